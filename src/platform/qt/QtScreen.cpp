#include "platform/qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/Twips.h"

float QtScreen::Width() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ToTwips(screen->geometry().width()) : 0;
}

float QtScreen::Height() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ToTwips(screen->geometry().height()) : 0;
}

std::vector<Rect> QtScreen::Monitors() {
  std::vector<Rect> monitors;
  for (const QScreen* screen : QGuiApplication::screens())
    monitors.push_back(ToTwips(screen->geometry()));
  return monitors;
}
