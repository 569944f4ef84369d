#pragma once

#include <QStringList>

// Catches what Qt's picture decoders say (libjpeg's "Corrupt JPEG data: premature end of data
// segment" and the like) on this thread while it lives: a picture that decodes with such
// warnings is damaged, and the words are the decoder's, not for the user's terminal. Messages
// of other threads go on to the handler that was there before. Nests.
class DecodeWarnings {
public:
    DecodeWarnings();
    ~DecodeWarnings();
    DecodeWarnings(const DecodeWarnings&) = delete;
    DecodeWarnings& operator=(const DecodeWarnings&) = delete;

    bool Any() const { return !m_lines.isEmpty(); }
    const QStringList& Lines() const { return m_lines; }

private:
    friend struct DecodeWarningsHandler;
    QStringList m_lines;
    DecodeWarnings* m_outer = nullptr;
};
