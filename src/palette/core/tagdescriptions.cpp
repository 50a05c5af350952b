#include "palette/core/tagdescriptions.h"

namespace {

// An opening caption, its closing caption (empty when the tag has none) and the opening caption's text; the
// closing caption's text is derived from it.
struct DescriptionRow
{
    const char16_t *opening;
    const char16_t *closing;
    const char16_t *text;
};

constexpr DescriptionRow kDescriptions[] = {
    {u"<HTML>", u"</HTML>", u"Ορίζει την Αρχή μιας ιστοσελίδας."},
    {u"<HEAD>", u"</HEAD>",
     u"Ορίζει την Αρχή του τμήματος εκείνου της ιστοσελίδας στο οποίο αναφέρονται διαχειριστικής φύσεως "
     u"πληροφορίες που αφορούν στο περιεχόμενο της ιστοσελίδας."},
    {u"<BODY>", u"</BODY>", u"Ορίζει την Αρχή του περιεχόμενου της ιστοσελίδας."},
    {u"<TITLE>", u"</TITLE>", u"Ορίζει την Αρχή του τίτλου της ιστοσελίδας."},
    {u"<P>", u"</P>", u"Ορίζει την Αρχή μιας παράγραφου."},
    {u"<BR>", u"", u"Δηλώνει αλλαγή γραμμής"},
    {u"<TABLE>", u"</TABLE>", u"Ορίζει την Αρχή ενός πίνακα."},
    {u"<TR>", u"</TR>", u"Ορίζει την Αρχή γραμμής ενός πίνακα."},
    {u"<TD>", u"</TD>", u"Ορίζει την Αρχή στήλης ενός πίνακα."},
    {u"<NAV>", u"</NAV>", u"Ορίζει την Αρχή σύνδεσης NAV."},
    {u"<HEADER>", u"</HEADER>", u"Ορίζει την Αρχή Κεφαλίδας."},
    {u"<FOOTER>", u"</FOOTER>", u"Ορίζει την Αρχή Υποσέλιδου."},
    {u"<ARTICLE>", u"</ARTICLE>", u"Ορίζει την Αρχή ενός Άρθρου."},
    {u"<SECTION>", u"</SECTION>", u"Ορίζει την Αρχή της ενότητας ενός Εγγράφου."},
    {u"<DIV>", u"</DIV>", u"Ορίζει την Αρχή της ενότητας ενός Εγγράφου."},
    {u"<IFRAME>", u"</IFRAME>",
     u"Ορίζει την Αρχή για την ενσωμάτωση Video που ανήκει σε ιστοσελίδα διαφορετικού Server πχ youtube."},
    {u"<VIDEO>", u"</VIDEO>",
     u"Ορίζει την Αρχή για την ενσωμάτωση Video που βρίσκεται στον Υπολογιστή που τρέχει η ιστοσελίδα."},
    {u"<A>", u"</A>", u"Ορίζει την Αρχή για την προσθήκη Υπερσυνδέσμου."},
    {u"<IMG>", u"", u"Εισαγωγή Εικόνας."},
    {u"<AUDIO>", u"</AUDIO>", u"Ορίζει την Αρχή για την προσθήκη Αρχείων Ήχου."},
    {u"<SOURCE>", u"", u"Ορίζει τη πηγή και το είδος των αρχείων Ήχου,Video."},
    {u"<FONT>", u"</FONT>",
     u"Ορίζει την Αρχή για τον ορισμό του μεγέθους και του χρώματος της γραμματοσειράς."},
    {u"<H1>", u"</H1>", u"Αρχή Επικεφαλίδας μεγέθους 1."},
    {u"<H2>", u"</H2>", u"Αρχή Επικεφαλίδας μεγέθους 2."},
    {u"<H3>", u"</H3>", u"Αρχή Επικεφαλίδας μεγέθους 3."},
    {u"<H4>", u"</H4>", u"Αρχή Επικεφαλίδας μεγέθους 4."},
    {u"<H5>", u"</H5>", u"Αρχή Επικεφαλίδας μεγέθους 5."},
    {u"<H6>", u"</H6>", u"Αρχή Επικεφαλίδας μεγέθους 6."},
    {u"<HR>", u"", u"Οριζόντια Γραμμή"},
    {u"<UL>", u"</UL>", u"Αρχή Εσοχής."},
    {u"<LI>", u"</LI>", u"Αρχή Bullet."},
    {u"<OL>", u"</OL>", u"Αρχή Διατεταγμένης λίστας."},
    {u"<FORM>", u"</FORM>", u"Αρχή Φόρμας."},
    {u"<INPUT>", u"", u"Στοιχείο εισαγωγής."},
    {u"<TEXTAREA>", u"</TEXTAREA>", u"Αρχή Στοιχείου κειμένου."},
    {u"<SELECT>", u"</SELECT>", u"Αρχή Στοιχείου επιλογής περιπτώσεων."},
    {u"<U>", u"</U>", u"Αρχή υπογράμμισης."},
    {u"<I>", u"</I>", u"Αρχή Πλάγιων γραμμάτων."},
    {u"<B>", u"</B>", u"Αρχή Έντονης γραφής."},
    {u"<TH>", u"</TH>", u"Ορίζει την αρχή κειμένου έντονης γραφής."},
    {u"<SUP>", u"</SUP>", u"Ορίζει την αρχή κειμένου με εκθετική μορφή."},
    {u"<SUB>", u"</SUB>", u"Ορίζει την αρχή κειμένου με μορφή Βάσης."},
    {u"<SMALL>", u"</SMALL>", u"Ορίζει την αρχή κειμένου μικρότερου μεγέθους."},
    {u"<MARK>", u"</MARK>", u"Ορίζει την αρχή μαρκαρισμένου κειμένου."},
    {u"<DEL>", u"</DEL>", u"Ορίζει την αρχή κειμένου που θέλουμε να φαίνεται διεγραμμένο."},
    {u"<INS>", u"</INS>", u"Ορίζει την αρχή κειμένου που θέλουμε να φαίνεται οτι έχει προστεθεί."},
    {u"<SPAN>", u"</SPAN>", u"Ορίζει την αρχή ομαδοποιμένων στοιχείων."},
    {u"<STRONG>", u"</STRONG>", u"Ορίζει την αρχή κειμένου που θέλουμε να δώσουμε έμφαση."},
    {u"<BLOCKQUOTE>", u"</BLOCKQUOTE>", u"Ορίζει την αρχή κειμένου που έχουμε πάρει από άλλη πηγή."},
    {u"<PRE>", u"</PRE>", u"Ορίζει την αρχή ήδη μορφοποιημένου κειμένου."},
    {u"<ADDRESS>", u"</ADDRESS>", u"Ορίζει την αρχή πληροφοριών για το συντάκτη ενός άρθρου-κειμένου."},
    {u"<! --", u"-->",
     u"Ορίζει την αρχή σχολίων του προγραμματιστή στον κώδικα που όμως δεν εμφανίζονται στο περιέχομενο της "
     u"ιστοσελίδας."},
};

// The closing HTML tag has a wording of its own, kept letter for letter (a Latin "o" in "τo").
constexpr char16_t kHtmlClosingText[] = u"Ορίζει τo Τέλος μιας ιστοσελίδας.";

// A closing tag's text: the opening text with its "beginning" turned into "end".
QString closingText(QString text)
{
    text.replace(QStringLiteral("την Αρχή"), QStringLiteral("το Τέλος"));
    text.replace(QStringLiteral("την αρχή"), QStringLiteral("το τέλος"));
    text.replace(QStringLiteral("Αρχή"), QStringLiteral("Τέλος"));
    return text;
}

} // namespace

const QHash<QString, QString> &TagDescriptions::all()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> descriptions;
        for (const DescriptionRow &row : kDescriptions) {
            const QString text = QString::fromUtf16(row.text);
            descriptions.insert(QString::fromUtf16(row.opening), text);
            if (*row.closing)
                descriptions.insert(QString::fromUtf16(row.closing), closingText(text));
        }
        descriptions.insert(QStringLiteral("</HTML>"), QString::fromUtf16(kHtmlClosingText));
        return descriptions;
    }();
    return table;
}

QString TagDescriptions::lookup(const QString &caption)
{
    return all().value(caption);
}
