// A model library loaded for a test, by name from the program's directory or
// from a given path, with its four functions bound.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/library.h"
#include "models/model_api.h"

struct BoundLibrary {
    void* handle = nullptr;
    GetRomFunction getRom = nullptr;
    InitialiseEcranClavierFunction initialise = nullptr;
    UneToucheFunction uneTouche = nullptr;
    LibereRessourceFunction libere = nullptr;

    BoundLibrary() = default;
    BoundLibrary(const BoundLibrary&) = delete;
    BoundLibrary& operator=(const BoundLibrary&) = delete;
    ~BoundLibrary() {
        if (handle) LibraryClose(handle);
    }

    // Binds the four functions; false if the library or one of them is missing.
    bool Bind(void* library) {
        handle = library;
        getRom = reinterpret_cast<GetRomFunction>(LibraryFunction(library, "Get_Rom"));
        initialise = reinterpret_cast<InitialiseEcranClavierFunction>(LibraryFunction(library, "Initialise_EcranClavier"));
        uneTouche = reinterpret_cast<UneToucheFunction>(LibraryFunction(library, "UneTouche"));
        libere = reinterpret_cast<LibereRessourceFunction>(LibraryFunction(library, "Libere_Ressource"));
        return library && getRom && initialise && uneTouche && libere;
    }
};

inline std::unique_ptr<BoundLibrary> OpenModel(const std::string& name) {
    auto library = std::make_unique<BoundLibrary>();
    std::string error;
    void* handle = LibraryOpen(name, &error);
    EXPECT_TRUE(handle) << name << ": " << error;
    EXPECT_TRUE(library->Bind(handle)) << name;
    return library;
}

inline std::unique_ptr<BoundLibrary> OpenModelAt(const std::string& path) {
    auto library = std::make_unique<BoundLibrary>();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_TRUE(handle) << path << ": " << dlerror();
    EXPECT_TRUE(library->Bind(handle)) << path;
    return library;
}

inline std::unique_ptr<LH5801> NewRecord() { return std::make_unique<LH5801>(); }
