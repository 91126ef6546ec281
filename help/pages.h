#pragma once
// The help's pages: short texts kept in the resources in a small markup of
// their own, read here into blocks a window shows and a screen reader
// hears one by one.
//
//   # Title                     the page's title
//   ## Heading {#anchor}        a section, which links can name
//   - text                      an item of a list
//   1. text                     a step of a procedure
//   $ shown | heard             a formula, and the words a voice says for it
//   [Text](page#anchor)         a link, on a line of its own
//   {{tecles}}                  the table of the program's keys
//   any other line              a paragraph; **bold** within it

#include <QString>
#include <span>
#include <vector>

namespace help {

struct Block {
    enum Kind { Title, Heading, Paragraph, Item, Step, Formula, Link, Keys };
    Kind kind = Paragraph;
    QString shown;   // rich text: escaped, with <b> for **bold**
    QString plain;   // the same without markup
    QString heard;   // what a screen reader is given
    QString anchor;  // a heading's, for links
    QString target;  // a link's: "page" or "page#anchor"
    int number = 0;  // a step's
};

struct Page {
    QString name;
    QString title;
    std::vector<Block> blocks;
    // The block a link's anchor names (0, the title, for none or an
    // unknown one).
    size_t blockOf(const QString& anchor) const;
};

// The pages, in the order of the contents: the program's, then one per
// simulator in the menu's order.
std::span<const char* const> pageNames();
bool pageExists(const QString& name);

// A page from its markup; a page that is not in the resources has a title
// that says so.
Page parsePage(const QString& name, const QString& markup);
Page loadPage(const QString& name);

// "torricelli#mesures": "torricelli" and "mesures".
QString pageOf(const QString& target);
QString anchorOf(const QString& target);

}  // namespace help
