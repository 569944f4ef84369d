#include "support/SimFixture.h"

#include "core/handset/HandsetIds.h"
#include "core/handset/Timeouts.h"

#include <cstdlib>

void SimFixture::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    ::setenv("ORVAK_HANDSET_DIR", Folder().c_str(), 1);
    Timeouts t = Timeouts::Scaled(5);
    t.helloMs = 2000;
    HandsetTimeouts() = t;
    m_link = std::make_unique<HandsetLink>();
    m_link->Init(nullptr, HANDSET_VENDOR_ID);
}

void SimFixture::TearDown()
{
    m_link.reset();
    for (auto& s : m_servers)
        if (s)
            s->Stop();
    m_servers.clear();
    m_handsets.clear();
    HandsetTimeouts() = Timeouts{};
    ::unsetenv("ORVAK_HANDSET_DIR");
}

SimHandset& SimFixture::StartHandset(SimConfig config, const std::string& socketName)
{
    m_handsets.push_back(std::make_unique<SimHandset>(std::move(config)));
    m_servers.push_back(std::make_unique<SimHandsetServer>(*m_handsets.back(), Folder(), socketName));
    std::string error;
    EXPECT_TRUE(m_servers.back()->Start(&error)) << error;
    return *m_handsets.back();
}

void SimFixture::StopHandset(std::size_t index)
{
    m_servers.at(index)->Stop();
}

void SimFixture::Settle()
{
    for (auto& s : m_servers)
        EXPECT_TRUE(s->WaitIdle(5000));
}
