#include "sim/SimulatedHandset.h"

#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/handset/HandsetFolder.h"

SimulatedHandset::SimulatedHandset() = default;

SimulatedHandset::~SimulatedHandset()
{
    if (m_server) {
        m_server->Stop();
        HandsetFolder::SetOverride({});
    }
}

bool SimulatedHandset::Start(const SimConfig& config, std::string* error)
{
    if (!m_folder.isValid()) {
        *error = "cannot make a folder for the simulated handset";
        return false;
    }
    const std::string folder = m_folder.path().toStdString();
    HandsetFolder::SetOverride(folder);
    m_handset = std::make_unique<SimHandset>(config);
    if (config.phonebookFile.empty()) {
        // Something to look at when trying the program out.
        m_handset->AddContact("Anna Berg", "5550142");
        m_handset->AddContact("Doctor", "5550199");
        m_handset->AddContact("Office", "*6755501P200#");
        m_handset->AddContact("Pizza Place", "5550123");
        m_handset->AddContact("Zoe", "5550167");
    } else if (!m_handset->LoadPhonebook(config.phonebookFile, error)) {
        return false;
    }
    m_server = std::make_unique<SimHandsetServer>(*m_handset, folder, "simulated");
    return m_server->Start(error);
}
