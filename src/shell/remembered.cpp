// Remembered folders, size and lists. Paths are stored as their bytes,
// percent-encoded where a byte could break the line or the list ("|"
// separates a list's paths).
#include "shell/remembered.h"

#include <QByteArray>
#include <QFileInfo>

#include "shell/native_text.h"

namespace yl::shell {

namespace {

constexpr char kTranscripts[] = "Transcripts";
constexpr char kTeamFiles[] = "TeamFiles";
constexpr char kAddTeams[] = "AddTeams";
constexpr char kWindowSize[] = "WindowSize";
constexpr char kCsvTables[] = "CsvTables";
constexpr char kWebSite[] = "WebSite";
constexpr char kRecent[] = "Recent";

const char* FolderKey(Place place) {
  switch (place) {
    case Place::kTranscripts:
      return "TranscriptFolder";
    case Place::kTeamFiles:
      return "TeamFolder";
    case Place::kReports:
      return "ReportFolder";
  }
  return "";
}

std::string Encode(const QString& path) {
  return QByteArray::fromStdString(ToNative(path))
      .toPercentEncoding("/!$&'()*+,-.:;=@[]_~")
      .toStdString();
}

QString Decode(std::string_view text) {
  return FromNative(QByteArray::fromPercentEncoding(QByteArray(text.data(), qsizetype(text.size())))
                        .toStdString());
}

std::string EncodeList(const QStringList& paths) {
  std::string text;
  for (const QString& path : paths) {
    if (!text.empty()) text += '|';
    text += Encode(path);
  }
  return text;
}

// The listed paths that are still there: files, and folders when `folders`.
QStringList ExistingFiles(const std::optional<std::string>& text, bool folders = false) {
  QStringList paths;
  if (!text || text->empty()) return paths;
  std::string_view rest = *text;
  while (true) {
    const auto bar = rest.find('|');
    const QString path = Decode(rest.substr(0, bar));
    const QFileInfo info(path);
    if (info.isFile() || (folders && info.isDir())) paths << path;
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
  return paths;
}

}  // namespace

QString Remembered::Folder(Place place) const {
  const std::optional<std::string> value = store_.ReadValue(FolderKey(place));
  return value ? Decode(*value) : QString();
}

void Remembered::SetFolder(Place place, const QString& folder) {
  // A folder that cannot be stored is only not remembered.
  store_.WriteValues({{FolderKey(place), Encode(folder)}});
}

bool Remembered::CsvTables() const {
  return store_.ReadValue(kCsvTables) == std::optional<std::string>("1");
}

bool Remembered::SetCsvTables(bool write) {
  return store_.WriteValues({{kCsvTables, write ? "1" : "0"}});
}

bool Remembered::WebSite() const {
  return store_.ReadValue(kWebSite) == std::optional<std::string>("1");
}

bool Remembered::SetWebSite(bool write) {
  return store_.WriteValues({{kWebSite, write ? "1" : "0"}});
}

QStringList Remembered::Recent() const {
  return ExistingFiles(store_.ReadValue(kRecent), true).mid(0, kRecentCount);
}

bool Remembered::AddRecent(const QString& path) {
  QStringList recent = Recent();
  recent.removeAll(path);
  recent.prepend(path);
  return store_.WriteValues({{kRecent, EncodeList(recent.mid(0, kRecentCount))}});
}

Session Remembered::LoadSession() const {
  Session session;
  session.transcripts = ExistingFiles(store_.ReadValue(kTranscripts));
  session.teamFiles = ExistingFiles(store_.ReadValue(kTeamFiles));
  session.addTeams = store_.ReadValue(kAddTeams) == std::optional<std::string>("1");
  if (const std::optional<std::string> size = store_.ReadValue(kWindowSize)) {
    const QList<QByteArray> parts = QByteArray::fromStdString(*size).split('x');
    bool wide = false;
    bool high = false;
    const QSize read(parts.value(0).toInt(&wide), parts.value(1).toInt(&high));
    if (parts.size() == 2 && wide && high && read.width() > 0 && read.height() > 0)
      session.windowSize = read;
  }
  return session;
}

bool Remembered::SaveSession(const Session& session) {
  std::vector<options::StoredValue> values = {{kTranscripts, EncodeList(session.transcripts)},
                                              {kTeamFiles, EncodeList(session.teamFiles)},
                                              {kAddTeams, session.addTeams ? "1" : "0"},
                                              {kWindowSize, std::nullopt}};
  if (session.windowSize.isValid()) {
    values.back().value = std::to_string(session.windowSize.width()) + "x" +
                          std::to_string(session.windowSize.height());
  }
  return store_.WriteValues(values);
}

}  // namespace yl::shell
