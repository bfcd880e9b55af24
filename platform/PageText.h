#pragma once
// The text of a course page as the original desktop showed it. Pages written
// there often declare no character set and are stored in Windows-1251, the
// code page of the course; a browser on another system would take such
// bytes for Latin-1 or UTF-8 and show mojibake.
#include <QByteArray>
#include <QString>

// The character set a page declares: a byte order mark, a <meta charset>,
// a <meta http-equiv="Content-Type" content="...; charset=..."> or an XML
// declaration's encoding, looked for in the first 1024 bytes as browsers do.
// Lower case ("utf-8", "windows-1251"); empty when the page declares none.
QByteArray declaredPageCharset(const QByteArray& bytes);

// The page's text: in its declared character set when it declares one that
// is known, otherwise UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1251.
QString decodePageText(const QByteArray& bytes);

// The same text as UTF-8 bytes. A <meta> declaration inside stays as it
// was, so hand these to the browser with the charset given outside the page
// ("text/html;charset=utf-8"), which takes precedence over the page's own.
QByteArray pageTextAsUtf8(const QByteArray& bytes);

// True for a page the browser would misread: it declares no character set
// and its bytes are not UTF-8, so they are Windows-1251.
bool pageIsInCodePage(const QByteArray& bytes);
