#include "support/SimFixture.h"

#include "core/handset/HandsetIds.h"
#include "core/handset/Timeouts.h"

#include "core/handset/HandsetFolder.h"

void SimFixture::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    HandsetFolder::SetOverride(Folder());
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
    HandsetFolder::SetOverride({});
}

SimHandset& SimFixture::StartHandset(SimConfig config, const std::string& socketName)
{
    // Tests that are not about timing move reports as fast as the sockets do.
    config.bus = SimBus::None;
    return StartHandsetOnBus(std::move(config), socketName);
}

SimHandset& SimFixture::StartHandsetOnBus(SimConfig config, const std::string& socketName)
{
    m_handsets.push_back(std::make_unique<SimHandset>(std::move(config)));
    m_servers.push_back(std::make_unique<SimHandsetServer>(*m_handsets.back(), Folder(), socketName));
    std::string error;
    EXPECT_TRUE(m_servers.back()->Start(&error)) << error;
    // As the program's device watch would: a handset arriving leads to a rescan.
    std::uint16_t product = 0;
    HandsetLink::FindHandset(product, true);
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
