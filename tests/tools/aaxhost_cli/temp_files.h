// A fresh folder for one test's files, removed with the object.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

class TempFiles {
  public:
    TempFiles()
        : root_(std::filesystem::temp_directory_path() /
                ("vq318-cli-" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(root_);
    }
    ~TempFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;

    // The path of `name` in the folder, which need not exist.
    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    // Writes `text` to `name` and returns its path.
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(root_ / name, std::ios::binary) << text;
        return Path(name);
    }

  private:
    std::filesystem::path root_;
};
