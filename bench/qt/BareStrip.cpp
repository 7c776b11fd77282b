// The reference of the start-up benchmark, the bare strip: a frameless tool window holding a
// line edit over an empty list, sized like the strip and shown at once; nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(4, 4, 4, 4);  // the strip's sizable border
  layout->setSpacing(0);
  layout->addWidget(new QLineEdit(&window));
  layout->addWidget(new QListWidget(&window), 1);
  // The strip's client area, 3900 x 1170 twips, plus its border.
  const double twipsPerPixel = 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInch();
  window.resize(static_cast<int>(3900 / twipsPerPixel + 0.5) + 8,
                static_cast<int>(1170 / twipsPerPixel + 0.5) + 8);
  window.show();
  return app.exec();
}
