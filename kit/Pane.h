// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundRun.h"
#include "ItemList.h"
#include "Messages.h"
#include "Services.h"
#include "Workflows.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

class NameLabel;
class ResultRows;
class StatusLine;
class QBoxLayout;
class QDialog;
class QLineEdit;
class QPushButton;

// What the encrypt and decrypt panes share: choosing or dropping a file, where its result will go,
// the checks before a run, the run itself, and the rows below the controls that tell what happened
// (status line, detail line, progress with Cancel, and the reveal button, which take the same place
// so nothing moves). Several items chosen at once add a list in place of the detail line: what was
// chosen, then what happened to each.
class Pane : public QWidget
{
    Q_OBJECT

public:
    // What differs between the panes.
    struct Texts
    {
        QString chooserTitle;
        bool packagesAsDocuments = false;
        bool folders = false; // a folder is chosen as one item
        QString progressName; // what a screen reader calls the bar and the Cancel button
        QString cancelName;
        QString revealDescription; // the reveal button is named by its words
        QString itemsName;         // what a screen reader calls the list of several chosen items
    };
    // The pane's own widgets that the kit works with.
    struct Parts
    {
        QChar letter;       // the status line is "placeholder" + letter, and so on
        QBoxLayout* layout; // the rows go into it at `index`
        int index = 0;
        QWidget* controls; // disabled during a run; the line of where the result goes comes under its first row
        QLineEdit* password;
        QPushButton* choose; // where the focus goes after a failure that choosing elsewhere mends
        QPushButton* run;    // and after one that running again mends
    };

    Pane(const Services& services, Texts texts, QWidget* parent);
    ~Pane() override;

    // A run is going or a dialog is open: the main view takes no navigation input and defers
    // open-file requests.
    bool isBusy() const;
    // A run is going: closing the window asks first.
    bool isRunning() const;
    // Stops a running job and waits until it has left nothing behind; for closing the window.
    void cancelAndWait();

    // The chooser, then the pane's preparation of what was chosen.
    void chooseFile();
    virtual void resetVariables() = 0;

    // Hides the widgets for now; hidden, they keep their room, so nothing around them moves.
    static void keepRoom(std::initializer_list<QWidget*> widgets);

signals:
    void busyChanged(bool busy);

protected:
    virtual void viewDidAppear() = 0;
    // A file chosen or dropped.
    virtual void prepare(const Path& path) = 0;
    // Several chosen or dropped at once.
    virtual void prepareSeveral(const std::vector<Path>& paths) = 0;
    virtual bool isSelected() const = 0;

    void attach(const Parts& parts);

    // The status line shows the sentence of `message`; a result shown before goes.
    void say(Messages::Message message);
    // Status empty, no result, no progress: the look of a pane just shown.
    void clearResult();
    // "No file is selected." or "Password is empty." when either holds; logs it.
    bool readyToRun();
    template <typename Result>
    void startRun(std::function<Result(const RunControl&)> work, std::function<void(const Result&)> done)
    {
        hideStatusAndResult();
        showItems({});
        m_run->start<Result>(std::move(work), std::move(done));
    }
    // A run of several items, each in its row of the list, which stays.
    template <typename Result>
    void startBatch(const std::vector<ItemList::Row>& items, std::function<Result(const Workflows::BatchControl&)> work,
                    std::function<void(const Result&)> done)
    {
        hideStatusAndResult();
        showItems(items);
        m_run->startBatch<Result>(std::move(work), std::move(done));
    }
    // Logs the run's lines and shows its outcome with the report's detail under it: after a success
    // where the result went, after a failure why. The focus goes where the user continues: to the field
    // to fix.
    void finishRun(const Workflows::RunReport& report);
    // Logs each item's lines in item order, as a run of that item alone would, after `each` has had
    // its report; lists what happened to each, and the status line says how many were saved. The focus
    // goes as after a run of the first item cancelled, else the first that failed. `items` are the
    // rows of the items run, in the same order.
    void finishBatch(const std::vector<ItemList::Row>& items, const std::vector<Workflows::RunReport>& reports,
                     const std::function<void(const Workflows::RunReport&)>& each = {});
    // The list of several items, named `name`, in place of the detail line; no rows hides it.
    void showItems(const std::vector<ItemList::Row>& rows, const QString& name = QString());
    // Where the result will go, under the chosen file; a warning when it can't go there. Empty: none.
    void showDestination(const Messages::Sentence& sentence, bool warning = false);
    // Writes each line to the activity log.
    static void logLines(const QStringList& lines);
    // Shows the sentence of `message` and logs its line.
    void refuse(Messages::Message message);
    // Logs and shows the paths in the file manager, all selected.
    void reveal(const std::vector<Path>& paths);
    // Opens a dialog owned by the window, never by the pane, which a request may replace meanwhile;
    // the pane counts as busy until it closes.
    void openDialog(QDialog* dialog, std::function<void()> closed);
    // The kit's rows and controls in the theme; the pane colours its own labels.
    void applyTheme(bool dark);

    QPushButton* revealButton() const { return m_reveal; }
    const Services& services() const { return m_services; }
    BackgroundRun& run() { return *m_run; }

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void takeChosen(const std::vector<Path>& paths);
    void focusAfter(const Workflows::RunReport& report);
    void passwordEdited();
    void hideStatusAndResult();
    void setDialogOpen(bool open);
    void busyMayHaveChanged();
    void setDropping(bool dropping);

    Services m_services;
    Texts m_texts;
    QWidget* m_controls = nullptr;
    int m_controlsLeast = 0; // their width in a window of the least size
    QLineEdit* m_password = nullptr;
    QPushButton* m_choose = nullptr;
    QPushButton* m_runButton = nullptr;
    NameLabel* m_destination = nullptr;
    StatusLine* m_status = nullptr;
    NameLabel* m_detail = nullptr;
    ItemList* m_items = nullptr;
    ResultRows* m_rows = nullptr;
    QBoxLayout* m_paneLayout = nullptr;
    QPushButton* m_reveal = nullptr;
    BackgroundRun* m_run = nullptr;
    bool m_dialogOpen = false;
    bool m_wasBusy = false;
    bool m_dropping = false; // a file that would be taken is dragged over the pane
    bool m_hasDestination = false; // shown whenever the list of several is not
    bool m_dark = false;
};
