#pragma once

#include <QDialog>

#include <cstdint>

class QTextBrowser;

// The program's help: one window, opened at the page for a help context number.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Opens (or raises) the help window at the page of `context`.
    static HelpWindow* ShowContext(std::uint32_t context, QWidget* parent);
    // Closes it, if open.
    static void Quit();

    std::uint32_t Context() const { return m_context; }
    QString PageTitle() const;

private:
    explicit HelpWindow(QWidget* parent);
    void Load(std::uint32_t context);

    QTextBrowser* m_browser = nullptr;
    std::uint32_t m_context = 0;
};
