#include "page/UrlsCss.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

namespace {

// Each address found, "@" in front of an @import's, and the text of each token.
QStringList Lu(const QString& css) {
    QStringList lu;
    for (const UrlCss& u : UrlsCss(css))
        lu << (u.import ? QStringLiteral("@") : QString()) + u.adresse + QStringLiteral(" = ") +
                  css.mid(u.debut, u.fin - u.debut);
    return lu;
}

TEST(UrlsCss, ChaqueFormeDUrl) {
    const struct {
        const char* css;
        QStringList attendu;
    } cas[] = {
        {"body{background:url(fond.png)}", {"fond.png = url(fond.png)"}},
        {"a{background:URL( \"a b.png\" )}", {"a b.png = URL( \"a b.png\" )"}},
        {"a{background:url('c.png')}", {"c.png = url('c.png')"}},
        {"a{background:url(  d.png  )}", {"d.png = url(  d.png  )"}},
        {"a{b:url(x.png) , url(y.png)}", {"x.png = url(x.png)", "y.png = url(y.png)"}},
        // Escapes: a hexadecimal code with its blank, an escaped parenthesis.
        {"a{b:url(\\65 t\\E9.png)}", {"et\u00e9.png = url(\\65 t\\E9.png)"}},
        {"a{b:url(p\\).png)}", {"p).png = url(p\\).png)"}},
        {"a{b:url(\"q\\\"r.png\")}", {"q\"r.png = url(\"q\\\"r.png\")"}},
        // Not a url(): in a comment, in a string, another function's name, an escaped u.
        {"/* url(no.png) */a{b:url(oui.png)}", {"oui.png = url(oui.png)"}},
        {"a{content:\"url(no.png)\"}", {}},
        {"a{b:myurl(no.png)}", {}},
        {"a{b:\\url(no.png)}", {}},
        // Bad url(): a quote or a blank inside an unquoted one, an unclosed string.
        {"a{b:url(no\"pe.png)} c{d:url(ok.png)}", {"ok.png = url(ok.png)"}},
        {"a{b:url(no pe.png)} c{d:url(ok.png)}", {"ok.png = url(ok.png)"}},
        {"a{b:url(\"no.png\n)}", {}},
        // Style sheets.
        {"@import \"base.css\";", {"@base.css = \"base.css\""}},
        {"@IMPORT url(base.css) screen;", {"@base.css = url(base.css)"}},
        {"@import 'a.css'; b{c:url(i.png)}", {"@a.css = 'a.css'", "i.png = url(i.png)"}},
        {"a{b:\"@import\" url(i.png)}", {"i.png = url(i.png)"}},
        {"", {}},
        {"url(", {}},
        {"a{b:url(fin.png", {}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.css);
        EXPECT_EQ(Lu(QString::fromUtf8(c.css)), c.attendu);
    }
}

} // namespace
