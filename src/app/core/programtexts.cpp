#include "app/core/programtexts.h"

#include "core/makerinfo.h"
#include "core/programversion.h"

namespace ProgramTexts {

QString authorCredit()
{
    return MakerInfo::name();
}

QString mainWindowCaption()
{
    // The system named is the one the program runs on.
    return QStringLiteral("Velmark html Editor - Browser  (Έκδοση για ") + systemFamilyName() +
           QStringLiteral(")- Δημιουργός: ") + authorCredit();
}

QString startupCaption()
{
    return QStringLiteral("Velmark Html Editor - Browser");
}

QString applicationTitle()
{
    return QStringLiteral("Velmark html Editor");
}

QStringList welcomeDocument()
{
    return {
        QStringLiteral("<HTML>"),
        QStringLiteral("  <HEAD>"),
        QStringLiteral("  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />"),
        QStringLiteral("    <TITLE>"),
        QStringLiteral("      ") + authorCredit(),
        QStringLiteral("    </TITLE>"),
        QStringLiteral("  </HEAD>"),
        QStringLiteral("  <BODY>"),
        QStringLiteral("  <TABLE border=\"1\" >"),
        QStringLiteral("   <TR bgcolor=\"#4f598e\">"),
        QStringLiteral("    <TD>"),
        QStringLiteral("     <H2>"),
        QStringLiteral("       <FONT color=\"#ffffff\">Velmark Html Editor - Browser</FONT>"),
        QStringLiteral("     </H2>"),
        QStringLiteral("    </TD>"),
        QStringLiteral("   </TR>"),
        QStringLiteral("   <TR bgcolor=\"#cdd5fb\">"),
        QStringLiteral("    <TD>"),
        QStringLiteral("       <FONT color=\"#000000\" size=\"4\">"),
        QStringLiteral("            Ο Velmark Html Editor είναι μία Δωρεάν Εφαρμογή που έχει ως βασικό "
                       "εκπαιδευτικό σκοπό τη γνωριμία"),
        QStringLiteral("            των μαθητών με τη γλώσσα κατασκευής ιστοσελίδων <B>HTML</B>"),
        QStringLiteral("       </FONT> "),
        QStringLiteral("    </TD>"),
        QStringLiteral("   </TR>"),
        QStringLiteral("  </TABLE>"),
        QStringLiteral("  </BODY>"),
        QStringLiteral("</HTML>"),
    };
}

QString makerWebsite()
{
    return MakerInfo::website();
}

} // namespace ProgramTexts
