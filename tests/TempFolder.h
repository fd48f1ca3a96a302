// A folder of the test's own, removed with everything in it at the end of the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zelvo::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("zelvo-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with its closing separator, as the host hands PluginDir over.
  std::string Prefix() const { return (path_ / "").string(); }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string MakeFile(const std::string& name, const std::string& content = "x") const {
    std::ofstream(path_ / name, std::ios::binary) << content;
    return Path(name);
  }
  std::string MakeFolder(const std::string& name) const {
    std::filesystem::create_directories(path_ / name);
    return Path(name);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zelvo::test
