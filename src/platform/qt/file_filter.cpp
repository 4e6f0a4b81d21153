#include "platform/qt/file_filter.h"

#include <QRegularExpression>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

QStringList patternList(const QString& patterns) {
  static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
  return patterns.split(separators, Qt::SkipEmptyParts);
}

// The patterns in the parentheses that end a caption; empty when it ends otherwise.
QStringList captionPatterns(const QString& caption) {
  QString text = caption.trimmed();
  if (!text.endsWith(u')')) return {};
  qsizetype open = text.lastIndexOf(u'(');
  if (open < 0) return {};
  return patternList(text.mid(open + 1, text.size() - open - 2));
}

}  // namespace

QStringList qtNameFilters(std::string_view filter) {
  QStringList parts = toQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i].trimmed();
    QStringList patterns = patternList(parts[i + 1]);
    if (caption.isEmpty() || patterns.isEmpty()) break;
    if (captionPatterns(caption) != patterns)
      caption += QStringLiteral(" (") + patterns.join(u' ') + u')';
    filters.push_back(caption);
  }
  return filters;
}

QString nameFilterSuffix(const QString& nameFilter) {
  QStringList patterns = captionPatterns(nameFilter);
  if (patterns.isEmpty()) return {};
  const QString& first = patterns.front();
  if (!first.startsWith(QStringLiteral("*."))) return {};
  QString suffix = first.mid(2);
  if (suffix.isEmpty() || suffix.contains(u'*') || suffix.contains(u'?') || suffix.contains(u'['))
    return {};
  return suffix;
}

}  // namespace sorvella
