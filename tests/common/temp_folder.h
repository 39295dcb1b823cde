#pragma once

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Tests use one as the program folder, never the
// source tree.

#include <string>

namespace orvanta::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing separator, as the program folder is given.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string m_path;
};

}  // namespace orvanta::testing
