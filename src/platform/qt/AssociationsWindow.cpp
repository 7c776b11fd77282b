#include "platform/qt/AssociationsWindow.h"

#include <QFrame>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "aliaseditor/Associations.h"
#include "platform/qt/Banner.h"
#include "platform/qt/DesignedOrder.h"
#include "platform/qt/Twips.h"

namespace {
const Associations::Control& Designed(const char* name) {
  for (const Associations::Control& control : Associations::kControls)
    if (std::string_view(control.Name) == name) return control;
  return Associations::kControls[0];
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name) {
  const Associations::Control& control = Designed(name);
  widget->setObjectName(name);
  widget->setGeometry(ToPixels(control.Position));
  return widget;
}
}  // namespace

AssociationsWindow::AssociationsWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName("Associations");
  setWindowTitle(Associations::kCaption);
  setFixedSize(ToPixels(Associations::kClientWidth), ToPixels(Associations::kClientHeight));

  QLabel* picture = Place(new QLabel(this), "Picture1");
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(AliasBanner(Designed("Picture1").Text));
  Place(new QLabel(Designed("Label1(1)").Text, this), "Label1(1)");
  Place(new QLabel(Designed("Label1(0)").Text, this), "Label1(0)");
  text1_[0] = Place(new QLineEdit(this), "Text1(0)");
  text1_[1] = Place(new QLineEdit(this), "Text1(1)");
  command2_ = Place(new QPushButton(Designed("Command2").Text, this), "Command2");
  command1_ = Place(new QPushButton(Designed("Command1").Text, this), "Command1");
  for (const char* name : {"Frame1(0)", "Frame1(1)"}) {
    QFrame* frame = Place(new QFrame(this), name);
    frame->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  }
  list1_ = Place(new QListWidget(this), "List1");
  label2_ = Place(new QLabel(this), "Label2");
  label2_->setTextFormat(Qt::PlainText);

  // Neither button is a default button.
  for (QPushButton* button : {command1_, command2_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  SetTabOrder(*this, Associations::kControls);
  list1_->setFocus();
  list1_->installEventFilter(this);
}

void AssociationsWindow::ListClear() {
  const QSignalBlocker quiet(list1_);
  list1_->clear();
}

void AssociationsWindow::ListAdd(const std::string& text) {
  const QSignalBlocker quiet(list1_);
  list1_->addItem(QString::fromLocal8Bit(text));
}

void AssociationsWindow::ListRemove(int index) {
  const QSignalBlocker quiet(list1_);
  delete list1_->takeItem(index);
}

int AssociationsWindow::ListIndex() {
  const QList<QListWidgetItem*> selected = list1_->selectedItems();
  return selected.isEmpty() ? -1 : list1_->row(selected.constFirst());
}

void AssociationsWindow::SetListIndex(int index) {
  const QSignalBlocker quiet(list1_);
  if (index < 0) {
    list1_->clearSelection();
    list1_->setCurrentRow(-1);
  } else {
    list1_->setCurrentRow(index);
  }
}

std::string AssociationsWindow::Text(int index) {
  return text1_[index]->text().toLocal8Bit().toStdString();
}

void AssociationsWindow::SetText(int index, const std::string& text) {
  text1_[index]->setText(QString::fromLocal8Bit(text));
}

void AssociationsWindow::SetLabel2(const std::string& text) {
  label2_->setText(QString::fromLocal8Bit(text));
}

void AssociationsWindow::ShowModal(Associations& form) {
  connect(list1_, &QListWidget::itemSelectionChanged, this, [&form] { form.List1_Click(); });
  connect(list1_, &QListWidget::itemDoubleClicked, this, [&form] { form.List1_DblClick(); });
  connect(command1_, &QPushButton::clicked, this, [&form] { form.Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [&form] { form.Command2_Click(); });
  form_ = &form;
  exec();
  form_ = nullptr;
  disconnect(list1_, nullptr, this, nullptr);
  disconnect(command1_, nullptr, this, nullptr);
  disconnect(command2_, nullptr, this, nullptr);
}

void AssociationsWindow::keyPressEvent(QKeyEvent* event) {
  if (!ClosesDialog(*this, *event)) QDialog::keyPressEvent(event);
}

bool AssociationsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list1_ || event->type() != QEvent::KeyPress || !form_)
    return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const int code = KeyCodeOf(key->key());
  return code && form_->List1_KeyDown(code, ShiftOf(key->modifiers()));
}
