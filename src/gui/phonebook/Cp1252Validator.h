#pragma once

#include <QValidator>

// Refuses text with characters the handset cannot store (no Windows-1252 byte for them).
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
