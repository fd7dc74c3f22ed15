// The emulator's own texts: window titles, message captions and messages.
#pragma once

constexpr const char* kTitleOff = "Emulateur ZelkorA Beta Version 0.30 Etat:OFF";
constexpr const char* kTitleOn = "Emulateur ZelkorA Beta Version 0.30 Etat:On";

constexpr const char* kCaptionWarning = "Avertissement";
constexpr const char* kCaptionInformation = "Information";

constexpr const char* kTextNotReady =
    "Cet equipement est en cours d'integration dans cette version de l'émulateur.";
constexpr const char* kTextEquipmentUnsupported =
    "Cet equipement n'est pas pris en charge dans cette version de l'émulateur.";
constexpr const char* kTextModuleNotImplemented =
    "Le module correspondant à cette fonctionnalité n'est pas implémentée dans cette version de l'émulateur.";
constexpr const char* kTextNotImplemented = "Cette fonctionnalité n'est pas implémentée.";
constexpr const char* kTextFunctionUnsupported =
    "Cette fonctionnalité n'est pas prise en charge dans cette version de l'émulateur.";
constexpr const char* kTextChangeWhenStopped = "Il est possible de changer de machine quand elle est arrêtée.";
constexpr const char* kTextResetNeeded = "Il est nécessaire de faire un Reset de la machine.";
constexpr const char* kTextHardReset = "Attention, la machine va être réinitialisée.";
constexpr const char* kTextNoCounter = "Initialisation du programme : pas de compteur haute résolution.";

// Start-up binds this library; a machine change names its file.
constexpr const char* kTextStartLibraryError = "Erreur de chargement de la DLL ZelkorA.";
constexpr const char* kTextLibraryErrorPrefix = "Erreur de chargement de la DLL (";  // + name + ".DLL)"
