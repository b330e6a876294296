// Help, About: the program's name, version, copyright and where to reach its authors.
#pragma once

#include <QDialog>

namespace kavrin::shell {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);
};

}  // namespace kavrin::shell
