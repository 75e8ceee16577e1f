#include "document/fontdocument.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

#include "formatfiles.h"
#include "formats/fileio.h"
#include "model/updatescope.h"
#include "platform/filepath.h"

namespace {

// Marks the notifications of a take-over as fontReplaced, on every way out.
class TReplacing {
  public:
    explicit TReplacing(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TReplacing() { FFlag = false; }
    TReplacing(const TReplacing&) = delete;
    TReplacing& operator=(const TReplacing&) = delete;

  private:
    bool& FFlag;
};

// The folder of a file named as the system spells it.
QString FolderOf(const std::string& path) {
    return QFileInfo(FromPath(path)).absolutePath();
}

} // namespace

TFontDocument::TFontDocument(QObject* parent)
    : QObject(parent), FFont(std::make_unique<TFZXFont>()) {
    FFont->OnChange = [this](TFZXFont&) { FontChanged(); };
    FSeen = Snapshot();
}

TFontDocument::~TFontDocument() {
    // The listeners may be gone already; the font outlives no signal.
    FFont->OnChange = nullptr;
}

QString TFontDocument::FileName() const {
    return FromPath(FFilePath);
}

TFontDocument::TSnapshot TFontDocument::Snapshot() const {
    const TFZXFont& font = *FFont;
    TSnapshot s;
    s.Height = font.Height();
    s.Tracking = font.Tracking();
    s.LastChar = font.LastChar();
    s.Count = font.Count();
    s.Current = font.CurrentIndex();
    s.Revisions.reserve(static_cast<std::size_t>(s.Count));
    for (int i = 0; i < s.Count; ++i)
        s.Revisions.push_back(font.Glyph(i).Revision());
    s.Modified = font.Modified();
    s.FilePath = FFilePath;
    return s;
}

void TFontDocument::FontChanged() {
    TSnapshot now = Snapshot();
    const TSnapshot before = std::move(FSeen);
    FSeen = std::move(now);
    const TSnapshot& after = FSeen;
    if (FReplacing) {
        emit fontReplaced();
        return;
    }
    bool values = after.Height != before.Height || after.Tracking != before.Tracking ||
                  after.LastChar != before.LastChar || after.Count != before.Count;
    bool glyph = after.Current != before.Current;
    for (int i = 0; !values && i < after.Count; ++i) {
        if (after.Revisions[i] == before.Revisions[i]) continue;
        if (i == after.Current)
            glyph = true;
        else
            values = true;
    }
    if (values)
        emit valuesChanged();
    else if (glyph)
        emit glyphChanged();
    else if (after.Modified != before.Modified || after.FilePath != before.FilePath)
        emit fileStateChanged();
    else
        emit glyphChanged(); // the history alone, or nothing one can see
}

QString TFontDocument::DialogFolder() const {
    if (!FFilePath.empty()) return FolderOf(FFilePath);
    // Fonts are imported from system folders too, where nothing can be saved.
    if (!FImportedFrom.empty() && QFileInfo(FolderOf(FImportedFrom)).isWritable())
        return FolderOf(FImportedFrom);
    if (!FLastFolder.isEmpty()) return FLastFolder;
    // Nothing opened or saved in this run yet: the folder of the last file
    // of an earlier run.
    if (!FRecent.Empty()) return FolderOf(FRecent.Entries().front());
    if (!FImportedFrom.empty()) return QDir::homePath();
    return QString();
}

QString TFontDocument::SuggestedName() const {
    const std::string& named = FFilePath.empty() ? FImportedFrom : FFilePath;
    if (named.empty()) return QString();
    QString name = QFileInfo(FromPath(named)).fileName();
    // Compressed files lose both extensions: "6x13.pcf.gz" gives "6x13".
    if (name.endsWith(QStringLiteral(".gz"), Qt::CaseInsensitive)) name.chop(3);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

void TFontDocument::New() {
    TReplacing replacing(FReplacing);
    TFZXFont& font = *FFont;
    {
        TFontUpdate update(font);
        font.Clear();
        font.SetLastChar(32);
        font.SetCurrent(0);
        font.ApplyToCurrent(coClear);
        font.SetModified(false);
        // The new font has no file yet: a Save asks for a name instead of
        // replacing the file of the font before.
        SetFilePath(std::string());
        FImportedFrom.clear();
    }
    font.RecordUndo(THistoryKind::NewCharacter, 0);
}

std::string TFontDocument::Open(const std::string& path, int current) {
    // The file is read into a font of its own and taken over only once it
    // was read completely, so a file that fails changes nothing.
    TFZXFont read;
    TImportReport report;
    const std::string error = LoadFontFile(read, path, TImportOptions(), report, fgOwn);
    if (error.empty()) Enter(read, path, current);
    return error;
}

std::string TFontDocument::Import(const std::string& path, const TImportOptions& options,
                                  TImportReport& report, int current) {
    TFZXFont read;
    const std::string error = LoadFontFile(read, path, options, report, fgOther);
    // A new font without a file: saving asks for a name, closing asks first.
    if (error.empty()) Enter(read, std::string(), current, path);
    return error;
}

void TFontDocument::Enter(TFZXFont& read, const std::string& path, int current,
                          const std::string& importedFrom) {
    TReplacing replacing(FReplacing);
    TFZXFont& font = *FFont;
    {
        TFontUpdate update(font, false);
        font.TakeOver(read);
        SetFilePath(path);
        FImportedFrom = path.empty() ? importedFrom : std::string();
        if (path.empty())
            font.SetModified(true);
        else
            AddToRecent(path);
        font.SetCurrent(current);
    }
    // The choice of the character opens the fresh history; the refresh
    // comes once, after it.
    font.RecordUndo(THistoryKind::SelectChar, 0);
    font.Changed();
}

std::string TFontDocument::WriteOwn(const std::string& path, bool nameFirst) {
    // One notification for all the write changes (saved state, name, list),
    // and none when nothing did; a file that cannot be created still shows
    // the name it was given.
    TFZXFont& font = *FFont;
    const bool renamed = nameFirst && path != FFilePath;
    std::string error;
    std::exception_ptr thrown;
    {
        TFontUpdate update(font, false);
        if (nameFirst) SetFilePath(path);
        try {
            error = SaveFontFile(font, path, TExportOptions(), fgOwn);
        } catch (const TFileError&) {
            thrown = std::current_exception();
        }
        if (!thrown && error.empty()) {
            SetFilePath(path);
            AddToRecent(path);
        }
    }
    const bool written = !thrown && error.empty();
    if (written || renamed) font.Changed();
    if (thrown) std::rethrow_exception(thrown);
    return error;
}

std::string TFontDocument::Save(const std::string& path) {
    return WriteOwn(path, true);
}

std::string TFontDocument::SaveAs(const std::string& path) {
    const TFontFormat* format = FindFontFormat(path, fgOwn | fgSource);
    if (format && format->Group == fgSource) {
        // An export: the font keeps its file, its list entry and its state;
        // the next dialog without a file starts where it went.
        FLastFolder = FolderOf(path);
        return SaveFontFile(*FFont, path, TExportOptions(), fgSource);
    }
    return WriteOwn(path, false);
}

std::string TFontDocument::Export(const std::string& path, const TExportOptions& options) {
    return SaveFontFile(*FFont, path, options, fgOther);
}

std::string TFontDocument::ExportForSpectrum(const std::string& path,
                                             const TSpectrumOptions& options) {
    const QString name =
        FFilePath.empty() ? QStringLiteral("(untitled)") : QFileInfo(FileName()).fileName();
    return ::ExportForSpectrum(*FFont, options, path, name.toStdString());
}

void TFontDocument::SetFilePath(const std::string& path) {
    if (!path.empty()) {
        FLastFolder = FolderOf(path);
        FImportedFrom.clear();
    }
    FFilePath = path;
}

void TFontDocument::AddToRecent(const std::string& path) {
    FRecent.Add(path, ToPath(QDir::currentPath()));
}
