#pragma once

class QApplication;
class QWidget;

namespace vantor::ui {

// The application's identity, set once at start-up before any application
// object exists: its name, its version, and the desktop entry it belongs to
// (which gives its task-bar entry its icon).
void setIdentity();

// The application's look, set once the application exists: the one default
// font (the dialog face on Windows, the desktop's face elsewhere, at
// kDefaultPointSize) in which every caption and every box's text fits the
// windows' fixed geometry.
void setUpApplication(QApplication& application);

// Gives the application its window icon, which every window shows, once
// `window` has drawn its first frame. Nothing in that frame shows the icon,
// and decoding its seven pictures would otherwise take an eighth of the start-up.
void setWindowIconAfterFirstFrame(QWidget& window);

inline constexpr const char* kApplicationId = "org.vantor.Vantor";
inline constexpr int kDefaultPointSize = 8;

} // namespace vantor::ui
