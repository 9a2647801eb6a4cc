#include "model/SKTDocument.h"

#include "platform/Log.h"
#include "core/Globals.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
int windowControllerCount = 0;
SKTDocument::WindowControllerFactory &factory()
{
    static SKTDocument::WindowControllerFactory f;
    return f;
}

const QString kObservedKeysKey = QStringLiteral("keysForValuesToObserveForUndo");

bool ascending(const QList<int> &indexes)
{
    return std::adjacent_find(indexes.cbegin(), indexes.cend(), [](int a, int b) { return a >= b; }) == indexes.cend();
}

} // namespace

const QString SKTDocumentVersionKey = QStringLiteral("version");
const QString SKTDocumentGraphicsKey = QStringLiteral("graphics");
const QString SKTDocumentPrintInfoKey = QStringLiteral("printInfo");
const QString SKTDocumentCanvasSizeKey = QStringLiteral("canvasSize");
const QString SKTDocumentNewTypeName = QStringLiteral("com.qirosoftware.tagora");
const QString SKTDocumentOldTypeName = QStringLiteral("QIRO Label document");

SKTMapTableOwner::Properties &SKTMapTableOwner::propertiesOf(const std::shared_ptr<SKTGraphic> &graphic)
{
    for (auto &entry : m_mapTable)
        if (entry.first == graphic)
            return entry.second;
    m_mapTable.emplace_back(graphic, Properties());
    return m_mapTable.back().second;
}

SKTDocument::SKTDocument() : m_printInfo(platform::PrintInfo::sharedPrintInfo())
{
    connect(&m_undoManager, &platform::UndoRecorder::checkpoint, this, &SKTDocument::observeUndoManagerCheckpoint);
}

// The controllers watch the document through a guarded pointer, so they let go of it by themselves.
SKTDocument::~SKTDocument()
{
    Clear_All_Undo_Redo();
    stopObservingGraphics(m_graphics);
    disconnect(&m_undoManager, nullptr, this, nullptr);
}

void SKTDocument::setWindowControllerFactory(WindowControllerFactory f) { factory() = std::move(f); }

void SKTDocument::makeWindowControllers()
{
    if (windowControllerCount != 0 || !factory())
        return;
    SKTWindowController *controller = factory()(*this);   // lives for the whole process
    if (!controller)
        return;
    m_windowControllers.append(controller);
    ++windowControllerCount;
}

QSizeF SKTDocument::canvasSize_size_val(bool useDefault, const QSizeF &size)
{
    return useDefault ? QSizeF(284, 284) : size;
}

void SKTDocument::setCanvasSize(const QSizeF &size)
{
    m_canvasSize = size;
    emit canvasSizeChanged(size);
}

int SKTDocument::controllersMade() { return windowControllerCount; }

void SKTDocument::resetForTests() { windowControllerCount = 0; }

// ---- The objects ------------------------------------------------------------------------------------

void SKTDocument::insertGraphics(const SKTGraphicList &graphics, const QList<int> &indexes)
{
    const bool fits = graphics.size() == indexes.size() && ascending(indexes) &&
                      std::none_of(graphics.cbegin(), graphics.cend(), [](const auto &g) { return !g; }) &&
                      (indexes.isEmpty() || (indexes.first() >= 0 && indexes.last() < m_graphics.size() + indexes.size()));
    if (!fits) {
        platform::logLine(QStringLiteral("SKTDocument: card objects inserted at indexes that do not fit."));
        return;
    }
    if (graphics.isEmpty())
        return;
    for (qsizetype k = 0; k < graphics.size(); ++k)
        m_graphics.insert(indexes.at(k), graphics.at(k));
    for (const auto &graphic : graphics)
        graphic->setScriptingContainer(this);
    m_undoManager.registerUndo(this, [this, indexes] { removeGraphicsAtIndexes(indexes); });
    // After the registration, whose opening of a group may have cleared the group's state.
    if (m_undoManager.isUndoRegistrationEnabled()) {
        if (!m_undoGroupInsertedGraphics)
            m_undoGroupInsertedGraphics = std::make_unique<QHash<const SKTGraphic *, std::shared_ptr<SKTGraphic>>>();
        for (const auto &graphic : graphics)
            m_undoGroupInsertedGraphics->insert(graphic.get(), graphic);
    }
    startObservingGraphics(graphics);
    emit graphicsChanged(GraphicsChange::Insertion, indexes, graphics);
}

void SKTDocument::removeGraphicsAtIndexes(const QList<int> &indexes)
{
    if (!ascending(indexes) || (!indexes.isEmpty() && (indexes.first() < 0 || indexes.last() >= m_graphics.size()))) {
        platform::logLine(QStringLiteral("SKTDocument: card objects removed at indexes that do not fit."));
        return;
    }
    if (indexes.isEmpty())
        return;
    SKTGraphicList removed;
    removed.reserve(indexes.size());
    for (int i : indexes)
        removed.append(m_graphics.at(i));
    stopObservingGraphics(removed);
    m_undoManager.registerUndo(this, [this, removed, indexes] { insertGraphics(removed, indexes); });
    for (const auto &graphic : removed)
        graphic->setScriptingContainer(nullptr);
    for (auto it = indexes.crbegin(); it != indexes.crend(); ++it)
        m_graphics.removeAt(*it);
    emit graphicsChanged(GraphicsChange::Removal, indexes, removed);
}

// ---- Undo ----------------------------------------------------------------------------------------------

void SKTDocument::Enable_Disable_Undo_Registraion(bool enable)
{
    enable ? m_undoManager.enableUndoRegistration() : m_undoManager.disableUndoRegistration();
}

void SKTDocument::Clear_All_Undo_Redo()
{
    m_undoManager.removeAllActions();
    m_undoManager.removeAllActionsWithTarget(this);
    m_undoManager.disableUndoRegistration();
    QList<int> all;
    for (int i = 0; i < m_graphics.size(); ++i)
        all.append(i);
    removeGraphicsAtIndexes(all);
    m_undoManager.enableUndoRegistration();
}

void SKTDocument::startObservingGraphics(const SKTGraphicList &graphics)
{
    for (const auto &graphic : graphics)
        m_observed.insert(graphic.get(), {graphic, graphic->keysForValuesToObserveForUndo()});
}

void SKTDocument::stopObservingGraphics(const SKTGraphicList &graphics)
{
    for (const auto &graphic : graphics)
        m_observed.remove(graphic.get());
}

void SKTDocument::graphicDidChange(SKTGraphic &graphic, const QString &key, const QVariant &oldValue,
                                   const QVariant &newValue)
{
    const auto it = m_observed.find(&graphic);
    if (it != m_observed.end()) {
        if (key == kObservedKeysKey) {
            it->keys = newValue.toStringList();   // observation follows the object's own set
        } else if (it->keys.contains(key)) {
            const std::shared_ptr<SKTGraphic> held = it->graphic;
            recordChange(held, key, oldValue, newValue);
        }
    }
    emit graphicChanged(&graphic, key, oldValue, newValue);
}

void SKTDocument::recordChange(const std::shared_ptr<SKTGraphic> &graphic, const QString &key,
                               const QVariant &oldValue, const QVariant &newValue)
{
    // Undoing the group removes an object inserted in it anyway.
    if (m_undoGroupInsertedGraphics && m_undoGroupInsertedGraphics->contains(graphic.get()))
        return;
    if (oldValue == newValue)
        return;
    if (!m_undoGroupOldPropertiesPerGraphic) {
        // One action per group however many changes follow. The registration may open the group,
        // whose boundary clears the group's state, so the record is kept only after it.
        auto record = std::make_shared<SKTMapTableOwner>();
        m_undoManager.registerUndo(this, [this, record] { setGraphicProperties(*record); });
        m_undoGroupOldPropertiesPerGraphic = record;
    }
    SKTMapTableOwner::Properties &properties = m_undoGroupOldPropertiesPerGraphic->propertiesOf(graphic);
    const bool known = std::any_of(properties.cbegin(), properties.cend(), [&](const auto &p) { return p.first == key; });
    if (!known)
        properties.append({key, oldValue});
}

void SKTDocument::setGraphicProperties(const SKTMapTableOwner &propertiesPerGraphic)
{
    for (const auto &[graphic, properties] : propertiesPerGraphic.mapTable())
        for (const auto &[key, value] : properties)
            graphic->setValue(value, key);
}

void SKTDocument::observeUndoManagerCheckpoint()
{
    m_undoGroupOldPropertiesPerGraphic.reset();
    m_undoGroupInsertedGraphics.reset();
}

// ---- Document ---------------------------------------------------------------------------------------

QString SKTDocument::displayName() const { return QStringLiteral("%1").arg(QCoreApplication::applicationName()); }

bool SKTDocument::readFromData(const QByteArray &, const QString &, SKTError *) { return false; }
