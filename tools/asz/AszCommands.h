// The asz tool's commands; each returns the process exit code.
#pragma once

#include <ostream>
#include <string>

// Exit codes: 0 all well, 1 the skin has problems (check), 2 the command could not be done.
int AszList(const std::string& archive, std::ostream& out, std::ostream& err);
int AszUnpack(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err);
int AszPack(const std::string& folder, const std::string& archive, std::ostream& out, std::ostream& err);
int AszCheck(const std::string& archiveOrFolder, std::ostream& out, std::ostream& err);
