// The texts of the help windows: the presentation's topics and their patterns, the about and contact texts.
#include "core/makerinfo.h"
#include "core/programversion.h"
#include "goldenfile.h"
#include "help/core/helptexts.h"
#include "help/core/presentationtopics.h"
#include "preview/core/browsingrules.h"

#include <QtTest>

namespace {

using namespace PresentationColours;

int topicIndex(const QString &entry)
{
    const QVector<PresentationTopic> &topics = presentationTopics();
    for (int i = 0; i < topics.size(); ++i)
        if (topics[i].entry == entry)
            return i;
    return -1;
}

QStringList texts(const QVector<PresentationLine> &lines)
{
    QStringList result;
    for (const PresentationLine &line : lines)
        result.append(line.text);
    return result;
}

} // namespace

class HelpTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topicListInOrder()
    {
        QStringList entries;
        for (const PresentationTopic &topic : presentationTopics())
            entries.append(topic.entry);
        QCOMPARE(entries, goldenLines(QStringLiteral("presentationtopics.txt")));
    }

    void headings_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("file starts with its first entry") << 0 << "Άνοιγμα Ιστοσελίδας";
        QTest::newRow("templates start with their first entry") << 1 << "Απλό HTML έγγραφο";
        QTest::newRow("toolboxes") << 2 << "Εργαλειοθήκες";
        QTest::newRow("toolbox 7") << 9 << "Εργαλειοθήκη 7";
        QTest::newRow("events") << 11 << "Γεγονότα - Events";
        QTest::newRow("keyboard, as spelled") << 14 << "Πλήκτρολογίου - Keyboard";
        QTest::newRow("clipboard") << 16 << "Προχείρου - Clipboard";
        QTest::newRow("useful information") << 21 << "Χρήσιμες Πληροφορίες";
    }

    void headings()
    {
        QFETCH(int, topic);
        QFETCH(QString, firstLine);
        const QVector<PresentationLine> &lines = presentationTopics()[topic].lines;
        QCOMPARE(lines[0].text, firstLine);
        QCOMPARE(lines[0].colour, darkRed);
        QCOMPARE(lines[1].text, QString());
    }

    // Each quoted passage stands exactly as written, leading spaces included, in its topic.
    void quotedPassages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("line");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("save")
            << "Αρχείο"
            << "   Ο χρήστης έχει τη δυνατότητα να αποθηκεύσει τον κώδικα μιας ιστοσελίδας σε "
               "αρχείο με δυνατές επεκτάσεις .html , .htm , .asp , .php , .txt"
            << darkRed;
        QTest::newRow("exit") << "Αρχείο"
                              << "   Ο χρήστης έχει τη δυνατότητα να τερματίσει την εφαρμογή." << darkRed;
        QTest::newRow("mythology")
            << "Πρότυπα"
            << "   Ο χρήστης έχει τη δυνατότητα να συμπληρώσει και να μορφοποιήσει μια "
               "προτεινόμενη εργασία που σχετίζεται με το μύθο της Ευρώπης."
            << darkRed;
        QTest::newRow("toolboxes")
            << "Εργαλειοθήκες"
            << "   Στο συγκεκριμένο menu o χρήστης έχει τη δυνατότητα να ενεργοποιεί ή να "
               "απενεργοποιεί ομάδες ετικετών ανάλογα με την προτίμηση του."
            << darkRed;
        QTest::newRow("html pair") << "  - Εργαλειοθήκη 1"
                                   << "      Αρχή και Τέλος μιας ιστοσελίδας." << purple;
        QTest::newRow("br") << "  - Εργαλειοθήκη 1"
                            << "      Δήλωση αλλαγής γραμμής." << purple;
        QTest::newRow("comment")
            << "  - Εργαλειοθήκη 7"
            << "      Αρχή και Τέλος σχολίων του προγραμματιστή στον κώδικα που όμως δεν "
               "εμφανίζονται στο περιέχομενο της ιστοσελίδας."
            << purple;
        QTest::newRow("encoding sentence")
            << "Κωδικοποίηση"
            << "Η κωδικοποίηση καθορίζει τον τρόπο εμφάνισης των χαρακτήρων που περιέχει μια ιστοσελίδα."
            << black;
        QTest::newRow("greek") << "Κωδικοποίηση"
                               << "      Η ιστοσελίδα περιέχει χαρακτήρες του ελληνικού αλφάβητου." << purple;
        QTest::newRow("unicode")
            << "Κωδικοποίηση"
            << "      Με την κωδικοποίηση αυτή είναι δυνατόν να παρασταθούν οι χαρακτήρες που "
               "χρησιμοποιούνται σε όλα τα αλφάβητα του κόσμου."
            << purple;
        QTest::newRow("events client")
            << "Γεγονότα"
            << "   Η JavaScript εκτελείται στον υπολογιστή πελάτη - client και όχι στον "
               "υπολογιστή εξυπηρετητή - server."
            << black;
        QTest::newRow("onstorage")
            << "  - Παραθυρικά"
            << "      Εκτέλεση κώδικα όταν το περιεχόμενο ενός στοιχείου κειμένου αλλάξει." << purple;
        QTest::newRow("onload")
            << "  - Παραθυρικά"
            << "      Εκτέλεση κώδικα οταν μια ιστοσελίδα φορτωθεί στο πρόγραμμα περιήγησης." << purple;
        QTest::newRow("preferences") << "Προτιμήσεις"
                                     << "   Ο χρήστης του προγράμματος μπορεί να χρησιμοποιήσει μόνο το "
                                        "φυλλομετρητή ή τον editor ανάλογα με τις ανάγκες εργασίας του."
                                     << darkRed;
        QTest::newRow("help contact")
            << "Βοήθεια"
            << "   Η δυνατότητα επικοινωνίας μέσω ειδικής φόρμας η οποία ενεργοποιείται "
               "οταν ο υπολογιστής είναι συνδεδεμένος στο διαδίκτυο."
            << darkRed;
        QTest::newRow("help site") << "Βοήθεια"
                                   << "      " + MakerInfo::website() << purple;
        QTest::newRow("quotes")
            << "Χρήσιμες Πληροφορίες"
            << "Όταν ο χρήστης εισάγει κάποια ιδιότητα έχει τη δυνατότητα να τοποθετήσει το "
               "δρομέα με το ποντικι του ανάμεσα στα δυο εισαγωγικά \"\" και θα του εμφανίσει "
               "ένα menu με τα βασικά χαρακτηριστικά της συγκεκριμένης ιδιότητας."
            << darkRed;
    }

    void quotedPassages()
    {
        QFETCH(QString, entry);
        QFETCH(QString, line);
        QFETCH(quint32, colour);
        const int topic = topicIndex(entry);
        QVERIFY(topic >= 0);
        const QVector<PresentationLine> &lines = presentationTopics()[topic].lines;
        const int at = int(texts(lines).indexOf(line));
        QVERIFY2(at >= 0, qPrintable(line));
        QCOMPARE(lines[at].colour, colour);
    }

    // A list topic: the black introduction, an empty line, then each member and its explanation in purple.
    void listTopics_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("introduction");
        QTest::addColumn<QStringList>("members");
        const QString tags = "Περιέχει τις εξής Ετικέτες:";
        const QString events = "Περιέχει τις εξής Γεγονότα:";
        QTest::newRow("toolbox 1") << "  - Εργαλειοθήκη 1" << tags
                                   << QStringList{"<HTML> </HTML>",   "<HEAD> </HEAD>", "<BODY> </BODY>",
                                                  "<TITLE> </TITLE>", "<P> </P>",       "<BR>",
                                                  "<TABLE> </TABLE>", "<TR> </TR>",     "<TD> </TD>"};
        QTest::newRow("toolbox 4") << "  - Εργαλειοθήκη 4" << tags
                                   << QStringList{"<A> </A>",   "<IMG>",      "<AUDIO> </AUDIO>", "<SOURCE>",
                                                  "<UL> </UL>", "<LI> </LI>", "<OL> </OL>"};
        QTest::newRow("toolbox 7") << "  - Εργαλειοθήκη 7" << tags
                                   << QStringList{"<STRONG> </STRONG>", "<BLOCKQUOTE> </BLOCKQUOTE>",
                                                  "<PRE> </PRE>", "<ADDRESS> </ADDRESS>", "<!--  -->"};
        QTest::newRow("keyboard") << "  - Πληκτρολογίου" << events
                                  << QStringList{"onkeydown", "onkeypress", "onkeyup"};
        QTest::newRow("miscellaneous")
            << "  - Διάφορα" << events << QStringList{"onerror", "onshow", "ontoggle"};
    }

    void listTopics()
    {
        QFETCH(QString, entry);
        QFETCH(QString, introduction);
        QFETCH(QStringList, members);
        const QVector<PresentationLine> &lines = presentationTopics()[topicIndex(entry)].lines;
        QCOMPARE(lines.size(), 4 + 2 * members.size());
        QCOMPARE(lines[2].text, introduction);
        QCOMPARE(lines[2].colour, black);
        QCOMPARE(lines[3].text, QString());
        for (int i = 0; i < members.size(); ++i) {
            const PresentationLine &member = lines[4 + 2 * i];
            const PresentationLine &explanation = lines[5 + 2 * i];
            QCOMPARE(member.text, "   " + members[i]);
            QCOMPARE(member.colour, purple);
            QCOMPARE(explanation.colour, purple);
            QVERIFY2(explanation.text.startsWith("      Αρχή και Τέλος") ||
                         explanation.text.startsWith("      Δήλωση") ||
                         explanation.text.startsWith("      Εκτέλεση κώδικα"),
                     qPrintable(explanation.text));
        }
    }

    // Whatever the pattern, no line ends in spaces or carries a colour outside the three, and no two empty
    // lines follow each other.
    void everyTopicIsTidy()
    {
        for (const PresentationTopic &topic : presentationTopics()) {
            QVERIFY(!topic.lines.isEmpty());
            for (int i = 0; i < topic.lines.size(); ++i) {
                const PresentationLine &line = topic.lines[i];
                QVERIFY2(line.colour == darkRed || line.colour == black || line.colour == purple,
                         qPrintable(topic.entry));
                QVERIFY2(!line.text.endsWith(QLatin1Char(' ')) || line.text.trimmed().isEmpty(),
                         qPrintable(line.text));
                if (i > 0)
                    QVERIFY2(!(line.text.isEmpty() && topic.lines[i - 1].text.isEmpty()),
                             qPrintable(topic.entry));
            }
            QVERIFY2(!topic.lines.last().text.isEmpty(), qPrintable(topic.entry));
        }
    }

    // The help topic names, in purple, the two pages the Help menu's web links open; the contact page lives
    // on the same site as the first.
    void helpTopicNamesTheHelpMenuPages()
    {
        const QVector<PresentationLine> &lines = presentationTopics()[topicIndex("Βοήθεια")].lines;
        const WebAddresses addresses = programWebAddresses();
        QCOMPARE(lines[lines.size() - 2].text, "      " + addresses.skolvik.toString());
        QCOMPARE(lines[lines.size() - 1].text, "      " + addresses.sch.toString());
        QCOMPARE(lines.last().colour, purple);
        QCOMPARE(QUrl(MakerInfo::contactPage()).host(), addresses.skolvik.host());
        QCOMPARE(QUrl(MakerInfo::contactPage()).path(), QStringLiteral("/velmarkmail.php"));
    }

    void usefulInformationActionsFollowEachOther()
    {
        const QStringList lines = texts(presentationTopics()[21].lines);
        const int first = int(lines.indexOf("   Με την εισαγωγή κάποιας εντολής"));
        QVERIFY(first > 0);
        QCOMPARE(lines.mid(first, 4),
                 (QStringList{"   Με την εισαγωγή κάποιας εντολής", "   Διπλό κλικ",
                              "   Με το πάτημα του πλήκτρου Enter", "   Με την επικόλληση δεδομένων"}));
        const int second = int(lines.indexOf("   Μετά την εισαγωγή εντολής στο κάτω μέρος του editor "
                                             "εμφανίζονται οι αντίστοιχες ιδιότητες που "
                                             "συνοδεύουν τη συγκεκριμένη εντολή."));
        QVERIFY(lines[second + 1].startsWith("Επίσης για να εμφανιστούν"));
        QVERIFY(lines[second + 2].startsWith("Όταν ο χρήστης εισάγει"));
    }

    void aboutTextCarriesTheVersion()
    {
        const QVector<HelpLine> lines = HelpTexts::aboutText();
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines[0].text.startsWith("Το πρόγραμμα Velmark Html Editor-Browser έχει δημιουργηθεί"));
        QCOMPARE(lines[2].text, QStringLiteral("Χαρακτηριστικά:"));
        QCOMPARE(lines[4].text, " Έκδοση: " + programVersion());
        QVERIFY(lines[5].text.startsWith(QStringLiteral(" Μέγεθος: ")));
        QVERIFY(lines[5].text.endsWith(QStringLiteral("MB")) || lines[5].text.endsWith(QStringLiteral("KB")));
        QCOMPARE(lines[6].text, " Λειτουργικό σύστημα: " + systemFullName());
        QCOMPARE(programVersion(), QStringLiteral(VELMARK_PROJECT_VERSION));
        QCOMPARE(lines[7].text, " Κατασκευαστής: " + MakerInfo::name());
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY(lines[i].bold);
            QCOMPARE(lines[i].colour, i < 4 ? 0u : 0x800040u);
        }
    }

    // Sizes read as Greek readers write them: a comma before the decimal, the unit after a space.
    void greekDataSizes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing") << qint64(0) << "0 μπάιτ";
        QTest::newRow("under a kilobyte") << qint64(1023) << "1023 μπάιτ";
        QTest::newRow("one kilobyte") << qint64(1024) << "1,0 KB";
        QTest::newRow("a kilobyte and a half") << qint64(1536) << "1,5 KB";
        QTest::newRow("just under a megabyte") << qint64(1048575) << "1,0 MB";
        QTest::newRow("the old figure") << qint64(40370176) << "38,5 MB";
        QTest::newRow("gigabytes") << qint64(3) * 1024 * 1024 * 1024 << "3,0 GB";
    }

    void greekDataSizes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, shown);
        QCOMPARE(greekDataSize(bytes), shown);
    }

    void unreachableContactTextEndsWithTheWebsite()
    {
        const QVector<HelpLine> lines = HelpTexts::contactUnreachableText();
        const QVector<HelpLine> offline = HelpTexts::contactOfflineText();
        QVERIFY(lines.size() > offline.size() + 2);
        for (int i = 0; i < offline.size(); ++i)
            QCOMPARE(lines[2 + i].text, offline[i].text);
        QCOMPARE(lines.last().text, "Ιστοσελίδα: " + MakerInfo::website());
    }

    void contactTextNamesBothAddresses()
    {
        const QVector<HelpLine> lines = HelpTexts::contactOfflineText();
        const QStringList emails = MakerInfo::emails();
        QCOMPARE(emails.size(), 2);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].text.startsWith("Μπορείτε να επικοινωνήσετε με τον "));
        QVERIFY(lines[0].text.endsWith(" στα παρακάτω email"));
        QCOMPARE(lines[2].text, " - " + emails[0]);
        QCOMPARE(lines[2].colour, 215u);
        QCOMPARE(lines[4].text, " - " + emails[1]);
        QCOMPARE(lines[4].colour, 169u);
        QVERIFY(lines[2].bold && lines[4].bold);
        QCOMPARE(HelpTexts::contactCaption(), "Επικοινωνία (" + emails.join(" , ") + ")");
        QCOMPARE(MakerInfo::contactPage(), MakerInfo::website() + "velmarkmail.php");
    }
};

QTEST_GUILESS_MAIN(HelpTextsTest)

#include "tst_helptexts.moc"
