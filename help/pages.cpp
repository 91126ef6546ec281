#include "pages.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "runtime/spoken.h"

namespace help {

namespace {

constexpr const char* kPages[] = {"programa", "arquimedes", "torricelli", "continuitat", "pascal", "venturi"};

QString heardOf(const QString& text)
{
    return QString::fromStdString(rt::spokenText(text.toStdString()));
}

// A paragraph's text: escaped, with its bold parts marked.
Block textBlock(Block::Kind kind, const QString& text)
{
    Block block;
    block.kind = kind;
    block.plain = text;
    block.plain.remove(QStringLiteral("**"));
    QString shown = text.toHtmlEscaped();
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    shown.replace(bold, QStringLiteral("<b>\\1</b>"));
    block.shown = shown;
    block.heard = heardOf(block.plain);
    return block;
}

}  // namespace

std::span<const char* const> pageNames()
{
    return kPages;
}

bool pageExists(const QString& name)
{
    for (const char* page : kPages)
        if (name == QLatin1String(page)) return true;
    return false;
}

size_t Page::blockOf(const QString& anchor) const
{
    if (anchor.isEmpty()) return 0;
    for (size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i].anchor == anchor) return i;
    return 0;
}

QString pageOf(const QString& target)
{
    return target.section(u'#', 0, 0);
}

QString anchorOf(const QString& target)
{
    return target.section(u'#', 1);
}

Page parsePage(const QString& name, const QString& markup)
{
    Page page;
    page.name = name;
    static const QRegularExpression heading(QStringLiteral("^## (.+?)(?: \\{#([a-z0-9-]+)\\})?$"));
    static const QRegularExpression step(QStringLiteral("^(\\d+)\\. (.+)$"));
    static const QRegularExpression link(QStringLiteral("^\\[(.+)\\]\\(([a-z0-9#-]+)\\)$"));
    QStringList paragraph;
    const auto endParagraph = [&] {
        if (!paragraph.isEmpty()) page.blocks.push_back(textBlock(Block::Paragraph, paragraph.join(u' ')));
        paragraph.clear();
    };
    for (const QString& raw : markup.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            endParagraph();
            continue;
        }
        QRegularExpressionMatch m;
        if (line.startsWith(QStringLiteral("# "))) {
            endParagraph();
            page.title = line.mid(2);
            page.blocks.push_back(textBlock(Block::Title, page.title));
        } else if ((m = heading.match(line)).hasMatch()) {
            endParagraph();
            Block block = textBlock(Block::Heading, m.captured(1));
            block.anchor = m.captured(2);
            page.blocks.push_back(block);
        } else if (line.startsWith(QStringLiteral("- "))) {
            endParagraph();
            page.blocks.push_back(textBlock(Block::Item, line.mid(2)));
        } else if ((m = step.match(line)).hasMatch()) {
            endParagraph();
            Block block = textBlock(Block::Step, m.captured(2));
            block.number = m.captured(1).toInt();
            page.blocks.push_back(block);
        } else if (line.startsWith(QStringLiteral("$ "))) {
            endParagraph();
            const QString shown = line.mid(2).section(u'|', 0, 0).trimmed();
            Block block = textBlock(Block::Formula, shown);
            const QString words = line.section(u'|', 1).trimmed();
            block.heard = heardOf(words.isEmpty() ? shown : words);
            page.blocks.push_back(block);
        } else if ((m = link.match(line)).hasMatch()) {
            endParagraph();
            Block block = textBlock(Block::Link, m.captured(1));
            block.target = m.captured(2);
            page.blocks.push_back(block);
        } else if (line == QStringLiteral("{{tecles}}")) {
            endParagraph();
            Block block;
            block.kind = Block::Keys;
            block.plain = block.heard = QStringLiteral("Tecles del programa");
            page.blocks.push_back(block);
        } else {
            paragraph << line;
        }
    }
    endParagraph();
    return page;
}

Page loadPage(const QString& name)
{
    QFile file(QStringLiteral(":/help/%1.md").arg(name));
    if (!pageExists(name) || !file.open(QIODevice::ReadOnly))
        return parsePage(name, QStringLiteral("# Aquesta pàgina de l'ajuda no existeix"));
    return parsePage(name, QString::fromUtf8(file.readAll()));
}

}  // namespace help
