#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace qv::test {

// A fresh folder below the system's temporary folder, removed again at the end of the test.
class TestFolder {
public:
    TestFolder() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("qv-test-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace qv::test
