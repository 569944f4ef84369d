#pragma once

#include <cstdio>
#include <string>

// A temporary file that stands in for a console stream, and the text written to it.
class Captured {
public:
    Captured() : m_file(std::tmpfile()) {}
    ~Captured() { std::fclose(m_file); }
    std::FILE* File() { return m_file; }
    std::string Text()
    {
        std::fflush(m_file);
        std::rewind(m_file);
        std::string s;
        char buf[512];
        while (std::fgets(buf, sizeof buf, m_file))
            s += buf;
        return s;
    }

private:
    std::FILE* m_file;
};
