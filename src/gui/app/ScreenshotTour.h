#pragma once

#include <QString>

class MainWindow;

// Saves a picture of each tab, dialog and wizard page into `folder`, numbered in the order
// taken and named for what it shows, then closes the window. The window has a simulated
// handset attached, so the phone book can be received.
void TakeScreenshots(MainWindow* window, const QString& folder);
