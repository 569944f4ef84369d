#pragma once

#include <QStringList>

// Catches what Qt's picture decoders say on this thread while it lives: the words are the
// decoder's, not for the user's terminal. libjpeg's ("Corrupt JPEG data: premature end of data
// segment" and the like) mean the picture decoded only in part; libpng's and libtiff's warnings
// are mostly about harmless extras (an odd colour profile, an unknown tag), and a PNG or TIFF
// that is cut short does not decode at all. Messages of other threads go on to the handler that
// was there before. Nests.
class DecodeWarnings {
public:
    DecodeWarnings();
    ~DecodeWarnings();
    DecodeWarnings(const DecodeWarnings&) = delete;
    DecodeWarnings& operator=(const DecodeWarnings&) = delete;

    // libjpeg complained: what was decoded is only part of the picture, or spoilt.
    bool Damaged() const { return m_damaged; }
    const QStringList& Lines() const { return m_lines; }

private:
    friend struct DecodeWarningsHandler;
    QStringList m_lines;
    bool m_damaged = false;
    DecodeWarnings* m_outer = nullptr;
};
