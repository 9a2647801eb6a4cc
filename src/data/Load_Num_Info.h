#pragma once
// The load-values question of the series manager: before new values go into a value table that
// already holds values, empty it first (1), append (0), or do nothing (2, Cancel).

#include <QDialog>

class QPushButton;

class Load_Num_Info : public QDialog {
    Q_OBJECT
public:
    enum Answer { Append = 0, EmptyFirst = 1, Cancelled = 2 };

    explicit Load_Num_Info(QWidget *parent = nullptr);

    QPushButton *yesButton = nullptr;
    QPushButton *noButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Asks modally; closing the window counts as Cancel.
    int runQuestion();

public slots:
    void YESPressed();
    void NOPressed();
    void CancelPressed();

private:
    void finish(int answer);
    int m_answer = Cancelled;
};
