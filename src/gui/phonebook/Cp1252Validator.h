#pragma once

#include <QValidator>

// Writes letters the handset cannot store (no Windows-1252 byte for them) in letters it can
// (Ł as L, Greek, Cyrillic and Han in Latin), and refuses text with characters that have none.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
