#include "cpu/handlers.h"

#include <utility>

namespace {

template <std::size_t... I>
constexpr DispatchTable MakeDispatchTable(std::index_sequence<I...>) {
    return {HandlerFor<static_cast<int>(I)>()...};
}

}  // namespace

constinit const DispatchTable kDispatch = MakeDispatchTable(std::make_index_sequence<512>{});
