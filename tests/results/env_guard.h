#pragma once
// Sets or clears an environment variable for one test and puts it back after.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace vexlor::testing_support {

class EnvGuard {
public:
    EnvGuard(const char* pszName, std::optional<std::string> strValue) : m_strName(pszName) {
        if (const char* pszOld = std::getenv(pszName)) m_strOld = pszOld;
        Set(strValue);
    }
    ~EnvGuard() { Set(m_strOld); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    void Set(const std::optional<std::string>& strValue) {
        if (strValue) {
            ::setenv(m_strName.c_str(), strValue->c_str(), 1);
        } else {
            ::unsetenv(m_strName.c_str());
        }
        ::tzset();
    }

    std::string m_strName;
    std::optional<std::string> m_strOld;
};

}  // namespace vexlor::testing_support
