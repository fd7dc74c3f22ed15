#include "host/library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

std::string ProgramDirectory() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string program(path, static_cast<size_t>(n));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? "." : program.substr(0, slash);
}

void* LibraryOpen(const std::string& name, std::string* error) {
    const std::string path = ProgramDirectory() + "/lib" + name + ".so";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library && error) {
        const char* text = dlerror();
        *error = text ? text : "cannot load " + path;
    }
    return library;
}

void* LibraryFunction(void* library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

void LibraryClose(void* library) {
    if (library) dlclose(library);
}
