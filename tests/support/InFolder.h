#pragma once
// Start-up reads Tivra.ini by its bare name, from the current folder: a test or benchmark
// moves into its own folder for as long as this lives. Header only, so the benchmarks can
// use it without the test libraries.
#include <filesystem>

namespace tivra::test {

class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path previous_;
};

} // namespace tivra::test
