#include "platform/QtDialogResponder.h"

#include "platform/Files.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

namespace {

QString filterFor(const QStringList &extensions)
{
    if (extensions.isEmpty())
        return QString();
    QStringList patterns;
    for (const QString &ext : extensions)
        patterns << QStringLiteral("*.") + ext;
    return QStringLiteral("Files (%1)").arg(patterns.join(QLatin1Char(' ')));
}
// The save panel's name field and allowed types, for its accessory.
class FileDialogAccess : public SavePanelAccess {
public:
    FileDialogAccess(QFileDialog &dialog, const QStringList &types) : m_dialog(dialog), m_types(types) {}
    QString nameFieldStringValue() const override
    {
        if (const auto *edit = m_dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            return edit->text();
        const QStringList chosen = m_dialog.selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.first().section(QLatin1Char('/'), -1);
    }
    void setNameFieldStringValue(const QString &name) override
    {
        if (auto *edit = m_dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(name);
        else
            m_dialog.selectFile(name);
    }
    QStringList allowedFileTypes() const override { return m_types; }
    void setAllowedFileTypes(const QStringList &types) override
    {
        m_types = types;
        m_dialog.setNameFilter(filterFor(types));
        m_dialog.setDefaultSuffix(types.isEmpty() ? QString() : types.first());
    }

private:
    QFileDialog &m_dialog;
    QStringList m_types;
};

// Every program that links the dialogs asks through them unless it installs another responder.
[[maybe_unused]] const bool registered = (setDefaultDialogResponderFactory([]() -> std::shared_ptr<DialogResponder> {
                             return std::make_shared<QtDialogResponder>();
                         }),
                         true);

} // namespace

int QtDialogResponder::alert(const AlertRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    switch (request.style) {
    case AlertStyle::Informational: box.setIcon(QMessageBox::Information); break;
    case AlertStyle::Warning: box.setIcon(QMessageBox::Warning); break;
    case AlertStyle::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    // Some messages begin with line breaks; the box shows its text from the first visible line, so
    // that it never opens with an empty one.
    qsizetype start = 0;
    while (start < request.message.size() &&
           (request.message.at(start) == QLatin1Char('\n') || request.message.at(start) == QLatin1Char('\r')))
        ++start;
    box.setText(request.message.mid(start));
    box.setInformativeText(request.informative);
    QList<QAbstractButton *> buttons;
    const QStringList titles = request.buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : request.buttons;
    for (int i = 0; i < titles.size(); ++i) {
        QPushButton *b = box.addButton(titles.at(i), QMessageBox::ActionRole);
        buttons << b;
        if (i == 0)
            box.setDefaultButton(b);
    }
    QCheckBox *check = nullptr;
    if (!request.checkBox.isEmpty()) {
        check = new QCheckBox(request.checkBox, &box);
        box.setCheckBox(check);
    }
    box.exec();
    if (request.checkBoxChecked)
        *request.checkBoxChecked = check && check->isChecked();
    const int index = int(buttons.indexOf(box.clickedButton()));
    return index < 0 ? int(titles.size()) - 1 : index;   // closing the box counts as the last button
}

QStringList QtDialogResponder::openPanel(const OpenPanelRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory, filterFor(request.extensions));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.canChooseDirectories && !request.canChooseFiles)
        dialog.setFileMode(QFileDialog::Directory);
    else if (request.allowsMultipleSelection)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtDialogResponder::savePanel(const SavePanelRequest &request)
{
    QDialog holder(QApplication::activeWindow());
    QFileDialog *dialog = new QFileDialog(&holder, request.title, request.directory, filterFor(request.extensions));
    dialog->setWindowFlags(Qt::Widget);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Asked below of the file a save would really replace (through a link, its file), and not of
    // one the writer will refuse.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->selectFile(request.fileName);
    if (!request.extensions.isEmpty())
        dialog->setDefaultSuffix(request.extensions.first());
    auto *layout = new QVBoxLayout(&holder);
    layout->addWidget(dialog);
    QWidget *oldParent = request.accessory ? request.accessory->parentWidget() : nullptr;
    if (request.accessory) {
        layout->addWidget(request.accessory);
        request.accessory->show();
    }
    holder.setWindowTitle(request.title);
    QObject::connect(dialog, &QFileDialog::accepted, &holder, &QDialog::accept);
    QObject::connect(dialog, &QFileDialog::rejected, &holder, &QDialog::reject);
    FileDialogAccess access(*dialog, request.extensions);
    if (request.attachAccessory)
        request.attachAccessory(&access);
    bool ok = false;
    for (;;) {
        ok = holder.exec() == QDialog::Accepted;
        const QString question = ok && !dialog->selectedFiles().isEmpty() ? replaceQuestion(dialog->selectedFiles().first()) : QString();
        if (question.isEmpty()
            || QMessageBox::question(&holder, request.title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   == QMessageBox::Yes)
            break;
        dialog->show();
    }
    if (request.attachAccessory)
        request.attachAccessory(nullptr);
    if (request.accessory) {   // the accessory belongs to its caller: give it back before the holder dies
        request.accessory->hide();
        request.accessory->setParent(oldParent);
    }
    if (!ok || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

int QtDialogResponder::runModal(QDialog &dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec();
}

bool QtDialogResponder::openWithDefaultApplication(const QString &pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(QStringLiteral("://")) || pathOrUrl.startsWith(QStringLiteral("mailto:"))
                         ? QUrl(pathOrUrl)
                         : QUrl::fromLocalFile(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

QColor QtDialogResponder::chooseColor(const QColor &initial)
{
    return QColorDialog::getColor(initial, QApplication::activeWindow(), QStringLiteral("Colors"),
                                  QColorDialog::ShowAlphaChannel);
}

std::optional<QFont> QtDialogResponder::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), QStringLiteral("Fonts"));
    if (!ok)
        return std::nullopt;
    return f;
}

} // namespace platform
