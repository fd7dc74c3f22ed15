#include "debug/debug_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "debug/report.h"
#include "debug/trace_writer.h"
#include "debug/traced_step.h"
#include "machine/machine.h"

bool BeginDebugRun(LH5801* m, const std::string& path, std::string* error) {
    MachineHost& host = HostOf(m);
    if (host.trace) EndDebugRun(m);
    std::FILE* out = std::fopen(path.c_str(), "w+");
    if (!out) {
        if (error) *error = std::strerror(errno);
        m->Trace = 0;
        return false;
    }
    host.trace = out;
    m->Trace = 1;
    WriteStartBanner(out);
    WriteMachineReport(out, m);
    std::fflush(out);
    return true;
}

std::string TraceFailureMessage(const std::string& path, const std::string& error) {
    return "Le fichier \"" + path + "\" ne peut pas être créé (" + error + ") : le mode débug s'exécute sans trace.";
}

int DebugStep(LH5801* m) {
    return HostOf(m).trace ? TracedStep(m) : Step(m);
}

void EndDebugRun(LH5801* m) {
    MachineHost& host = HostOf(m);
    if (!host.trace) return;
    WriteEndBanner(host.trace);
    WriteMachineReport(host.trace, m);
    std::fclose(host.trace);
    host.trace = nullptr;
}
