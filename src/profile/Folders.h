#pragma once

#include <filesystem>
#include <optional>

// Where the program keeps its files, and the folder helpers the profile and macro files use.

// $XDG_CONFIG_HOME/Ostrel/VOSK8200, or $HOME/.config/Ostrel/VOSK8200 when XDG_CONFIG_HOME is unset
// or not absolute; nothing when neither gives an absolute folder. Never creates the folder.
std::optional<std::filesystem::path> UserDataFolder();
std::optional<std::filesystem::path> UserDataFolderFrom(const char* xdgConfigHome,
                                                        const char* home);

// The folder of the running executable, and the Profiles folder beside it that the export and
// import dialogs open in.
std::filesystem::path ProgramFolder();
std::filesystem::path ExchangeFolder();

// Creates every missing folder along a path. A last component with a dot names a file and is
// not created; without one it is taken for a folder. Failures are ignored: the write that follows
// reports them.
void EnsureFolders(const std::filesystem::path& path);

// Creates a folder and every missing folder above it; failures are ignored.
void EnsureFolder(const std::filesystem::path& folder);

// Deletes everything inside a folder and keeps the folder. Symbolic links are removed, never
// followed. Errors are skipped and the rest goes on.
void EmptyFolder(const std::filesystem::path& folder);

// Empties the folder, then removes it.
void RemoveFolderTree(const std::filesystem::path& folder);
