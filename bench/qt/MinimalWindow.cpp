// The reference for the start-up benchmark: a frameless Qt Widgets window with an empty list.
#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QListWidget(&window));
  window.resize(268, 86);
  window.show();
  return app.exec();
}
