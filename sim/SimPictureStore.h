#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The pictures a simulated handset has received. With a folder, each is also saved there as
// a PNG file, so a person can look at what the handset got.
class SimPictureStore {
public:
    struct Picture {
        std::vector<std::uint8_t> payload;  // header and RGB 5-6-5 pixels, as received
        std::string name;
    };

    void SetFolder(std::string folder) { m_folder = std::move(folder); }
    std::size_t Count() const { return m_pictures.size(); }
    const std::vector<Picture>& Pictures() const { return m_pictures; }

    // Stores a picture payload; returns its slot.
    std::size_t Add(std::span<const std::uint8_t> payload);
    void Name(std::size_t slot, std::string name);

private:
    void SavePng(std::size_t slot) const;

    std::string m_folder;
    std::vector<Picture> m_pictures;
};
