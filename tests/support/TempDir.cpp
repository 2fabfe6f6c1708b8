#include "TempDir.h"

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>

TempDir::TempDir() {
    std::filesystem::path base = std::filesystem::temp_directory_path();
    std::mt19937_64 random(static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int nTry = 0; nTry < 100; ++nTry) {
        std::filesystem::path candidate = base / ("skylark-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory in " + base.string());
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::string TempDir::WriteFile(const std::string& strName, const std::string& strBytes) const {
    std::filesystem::path file = m_path / strName;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file.string();
}
