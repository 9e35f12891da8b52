// The asz tool's commands; each returns the process exit code.
#pragma once

#include <ostream>
#include <string>

// Exit codes: 0 all well, 1 the skin has problems (check), 2 the command could not be done.
int AszList(const std::string& archive, std::ostream& out, std::ostream& err);
// Refuses an archive in which several members share a name (letter case ignored) unless forced;
// forced, it writes the member the skin uses for each name. Never writes through a symbolic link.
int AszUnpack(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err,
              bool force = false);
// Packs the folder's regular files, never symbolic links nor the archive itself; refuses a file
// that would make an archive the reader refuses, and then writes nothing.
int AszPack(const std::string& folder, const std::string& archive, std::ostream& out, std::ostream& err);
int AszCheck(const std::string& archiveOrFolder, std::ostream& out, std::ostream& err);
