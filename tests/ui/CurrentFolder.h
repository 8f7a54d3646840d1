#pragma once
// Start-up reads its files from the current folder: a window test moves into its own
// folder for as long as this lives.
#include <filesystem>

namespace tivra::test {

class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path saved_;
};

} // namespace tivra::test
