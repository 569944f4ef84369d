#pragma once

#include "sim/SimConfig.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

class SimHandset;
class SimHandsetServer;

// A simulated handset inside this process, in a folder of its own, which this process then
// uses as its handset folder. For `--simulate`.
class SimulatedHandset {
public:
    SimulatedHandset();
    ~SimulatedHandset();

    bool Start(const SimConfig& config, std::string* error);
    SimHandset& Handset() { return *m_handset; }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<SimHandset> m_handset;
    std::unique_ptr<SimHandsetServer> m_server;
};
