#pragma once

#include "sim/SimConfig.h"
#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/handset/HandsetLink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Tests against simulated handsets over real sockets, in a handset folder of their own and
// with the time-outs scaled down.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // On a bus as fast as the sockets; a pace in the config still holds.
    SimHandset& StartHandset(SimConfig config = {}, const std::string& socketName = "handset");
    // On the bus the config names.
    SimHandset& StartHandsetOnBus(SimConfig config, const std::string& socketName = "handset");
    void StopHandset(std::size_t index);
    SimHandsetServer& Server(std::size_t index) { return *m_servers.at(index); }
    // Waits until the handsets have taken in everything sent so far.
    void Settle();
    std::string Folder() const { return m_folder.path().toStdString(); }

    std::unique_ptr<HandsetLink> m_link;

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<SimHandset>> m_handsets;
    std::vector<std::unique_ptr<SimHandsetServer>> m_servers;
};
