#include "app/menu.h"

#include <array>

namespace {

constexpr MenuItem kConfiguration[] = {
    {252, "Sharp PC 1500 Rom première génération"},
    {253, "Sharp PC 1500 Rom seconde génération"},
    {254, "Sharp PC 1500 Rom optimisée"},
    {kMenuSeparator, ""},
    {256, "Sharp PC 1500A Rom première génération"},
    {257, "Sharp PC 1500A Rom seconde génération"},
    {258, "Sharp PC 1500A Rom optimisée"},
    {kMenuSeparator, ""},
    {260, "Tandy Kavro Rom première génération"},
    {262, "Tandy Kavro Rom optimisée"},
    {kMenuSeparator, ""},
    {201, "CE-150 Imprimante Rom première génération"},
    {202, "CE-150 Imprimante Rom seconde génération"},
    {203, "CE-150 Imprimante Rom optimisée"},
    {kMenuSeparator, ""},
    {204, "CE-153 Tablette"},
    {kMenuSeparator, ""},
    {205, "CE-158 RS-232"},
    {kMenuSeparator, ""},
    {269, "Pas de module mémoire"},
    {270, "Module mémoire CE-151  : 4 Ko"},
    {271, "Module mémoire CE-159  : 8 Ko"},
    {272, "Module mémoire CE-161  : 16 Ko"},
    {273, "Module mémoire Maximum : 20 Ko"},
    {kMenuSeparator, ""},
    {274, "CE-501A : Module développement graphiques"},
    {275, "CE-501B : Module graphiques commerciaux"},
    {276, "CE-502A : Module statistiques générales"},
    {277, "CE-502B : Module distribution statistique"},
    {278, "CE-503A : Module ingénerie électrique"},
    {279, "CE-503B : Module analyse de circuits"},
    {280, "CE-504A : Module finance"},
    {281, "CE-505A : Module mathématique"},
    {282, "CE-507A : Module calcul"},
    {kMenuSeparator, ""},
    {250, "&Hard Reset"},
};

constexpr MenuItem kEmulator[] = {
    {263, "&Clavier ..."},
    {kMenuSeparator, ""},
    {264, "&Mode débug"},
    {265, "&Fréquence maximale"},
    {266, "Fréquence &originale"},
    {kMenuSeparator, ""},
    {267, "Pixels &2*2"},
    {268, "Pixels &3*3"},
    {kMenuSeparator, ""},
    {100, "&Sauver un programme ..."},
    {101, "&Charger un programme ..."},
    {kMenuSeparator, ""},
    {102, "&Quitter"},
};

constexpr MenuItem kDebug[] = {
    {300, "Fichier Trace ..."},
    {301, "Mode Pas à Pas ..."},
    {302, "Desassemblage ..."},
    {303, "Dump mémoire ..."},
    {kMenuSeparator, ""},
    {304, "Registres ..."},
    {305, "Ports ..."},
    {kMenuSeparator, ""},
    {306, "Stack Basic ..."},
    {307, "Registres arithmétiques ..."},
    {308, "Variables fixes ..."},
    {kMenuSeparator, ""},
    {309, "Mode reserve ..."},
};

constexpr MenuItem kInformations[] = {
    {400, "&De l'aide ..."},
    {401, "&A propos de ..."},
};

constexpr MenuPopup kMenuBar[] = {
    {"&Configuration", kConfiguration},
    {"&Emulateur", kEmulator},
    {"&Debug", kDebug},
    {"&Informations", kInformations},
};

constexpr int kMachineItems[] = {252, 253, 254, 256, 257, 258, 260, 262};

constexpr auto BuildConfigurationItems() {
    std::array<int, std::size(kMachineItems) + 5 + 14> items{};
    size_t n = 0;
    for (int id : kMachineItems) items[n++] = id;
    for (int id = kCmdCe150First; id <= kCmdCe158; ++id) items[n++] = id;
    for (int id = kCmdFirstModule; id <= kCmdLastModule; ++id) items[n++] = id;
    return items;
}
constexpr auto kConfigurationItems = BuildConfigurationItems();

}  // namespace

std::span<const MenuPopup> MenuBar() { return kMenuBar; }

std::string_view MenuText(int id) {
    if (id == kMenuSeparator) return {};
    for (const MenuPopup& popup : kMenuBar)
        for (const MenuItem& item : popup.items)
            if (item.id == id) return item.text;
    return {};
}

std::span<const int> MachineItems() { return kMachineItems; }

std::span<const int> ConfigurationItems() { return kConfigurationItems; }
