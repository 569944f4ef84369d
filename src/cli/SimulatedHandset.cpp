#include "SimulatedHandset.h"

#include "SimHandset.h"
#include "SimHandsetServer.h"

#include <cstdlib>

SimulatedHandset::SimulatedHandset() = default;

SimulatedHandset::~SimulatedHandset()
{
    if (m_server)
        m_server->Stop();
}

bool SimulatedHandset::Start(const SimConfig& config, std::string* error)
{
    if (!m_folder.isValid()) {
        *error = "cannot make a folder for the simulated handset";
        return false;
    }
    const std::string folder = m_folder.path().toStdString();
    // Call before any thread reads the environment.
    ::setenv("ORVAK_HANDSET_DIR", folder.c_str(), 1);
    m_handset = std::make_unique<SimHandset>(config);
    m_server = std::make_unique<SimHandsetServer>(*m_handset, folder, "simulated");
    return m_server->Start(error);
}
