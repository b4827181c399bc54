#pragma once
#include <QMainWindow>
class frmDisplay : public QMainWindow { Q_OBJECT };
