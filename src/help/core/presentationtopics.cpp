#include "help/core/presentationtopics.h"

#include "core/makerinfo.h"

#include <initializer_list>

namespace {

using namespace PresentationColours;
using Lines = QVector<PresentationLine>;

// A member of a list topic (a tag pair of a toolbar or an event) with its one-sentence explanation.
struct Member
{
    const char *name;
    const char *explanation;
};

// A menu entry explained in a prose topic: its name as a sub-heading, then its paragraph.
struct Section
{
    const char *subHeading;
    const char *paragraph;
};

const QString paragraphIndent(3, QLatin1Char(' '));
const QString explanationIndent(6, QLatin1Char(' '));

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

Lines headed(const QString &heading)
{
    return {{heading, darkRed}, {QString(), darkRed}};
}

// Prose whose paragraphs each follow the name of the menu entry they explain.
Lines sections(std::initializer_list<Section> entries)
{
    Lines lines;
    for (const Section &section : entries) {
        if (!lines.isEmpty())
            lines.append({QString(), darkRed});
        lines.append({utf8(section.subHeading), darkRed});
        lines.append({QString(), darkRed});
        lines.append({paragraphIndent + utf8(section.paragraph), darkRed});
    }
    return lines;
}

// A heading, then paragraphs in one colour separated by empty lines.
Lines paragraphs(const QString &heading, quint32 colour, std::initializer_list<const char *> texts)
{
    Lines lines = headed(heading);
    bool first = true;
    for (const char *text : texts) {
        if (!first)
            lines.append({QString(), colour});
        first = false;
        lines.append({paragraphIndent + utf8(text), colour});
    }
    return lines;
}

// A heading, a black introduction, then each member and its explanation in purple.
Lines members(const QString &heading, const char *introduction, std::initializer_list<Member> list)
{
    Lines lines = headed(heading);
    lines.append({utf8(introduction), black});
    lines.append({QString(), black});
    for (const Member &member : list) {
        lines.append({paragraphIndent + utf8(member.name), purple});
        lines.append({explanationIndent + utf8(member.explanation), purple});
    }
    return lines;
}

Lines tags(const QString &heading, std::initializer_list<Member> list)
{
    return members(heading, "Περιέχει τις εξής Ετικέτες:", list);
}

Lines events(const QString &heading, std::initializer_list<Member> list)
{
    return members(heading, "Περιέχει τις εξής Γεγονότα:", list);
}

Lines fileTopic()
{
    return sections({
        {"Άνοιγμα Ιστοσελίδας",
         "Ο χρήστης έχει τη δυνατότητα να ανοίξει ένα αρχείο ιστοσελίδας με επέκταση .html , .htm , .php , "
         ".asp , .txt ή .doc και να δει τον κώδικά του στον editor και την ιστοσελίδα στον Browser."},
        {"Αποθήκευση Ιστοσελίδας",
         "Ο χρήστης έχει τη δυνατότητα να αποθηκεύσει τον κώδικα μιας ιστοσελίδας σε αρχείο με δυνατές "
         "επεκτάσεις .html , .htm , .asp , .php , .txt"},
        {"Εκτύπωση Ιστοσελίδας",
         "Ο χρήστης έχει τη δυνατότητα να δει την προεπισκόπηση εκτύπωσης της ιστοσελίδας όπως εμφανίζεται "
         "στον Browser και να την τυπώσει."},
        {"Εκτύπωση κώδικα HTML",
         "Ο χρήστης έχει τη δυνατότητα να τυπώσει τον κώδικα HTML του editor, με τον τίτλο της ιστοσελίδας "
         "στην κορυφή και τον αριθμό της σελίδας στο κάτω μέρος κάθε σελίδας."},
        {"Έξοδος", "Ο χρήστης έχει τη δυνατότητα να τερματίσει την εφαρμογή."},
    });
}

Lines templatesTopic()
{
    return sections({
        {"Απλό HTML έγγραφο",
         "Ο χρήστης έχει τη δυνατότητα να ξεκινήσει μια νέα ιστοσελίδα από ένα απλό έγγραφο που περιέχει ήδη "
         "τις βασικές ετικέτες <HTML>, <HEAD>, <TITLE> και <BODY>."},
        {"Εργασία_1-Μυθολογία",
         "Ο χρήστης έχει τη δυνατότητα να συμπληρώσει και να μορφοποιήσει μια προτεινόμενη εργασία που "
         "σχετίζεται με το μύθο της Ευρώπης."},
        {"Εργασία_2-Αλγοριθμική",
         "Ο χρήστης έχει τη δυνατότητα να συμπληρώσει και να μορφοποιήσει μια προτεινόμενη εργασία που "
         "σχετίζεται με την Αλγοριθμική. Στη θέση κάθε ετικέτας υπάρχει ένα κενό ζευγάρι <> και ένα σχόλιο "
         "που εξηγεί ποια ετικέτα πρέπει να γραφτεί εκεί."},
    });
}

Lines toolbar1()
{
    return tags(
        QStringLiteral("Εργαλειοθήκη 1"),
        {
            {"<HTML> </HTML>", "Αρχή και Τέλος μιας ιστοσελίδας."},
            {"<HEAD> </HEAD>", "Αρχή και Τέλος της κεφαλίδας της ιστοσελίδας, με πληροφορίες για την "
                               "ιστοσελίδα που δεν εμφανίζονται στο περιεχόμενό της."},
            {"<BODY> </BODY>", "Αρχή και Τέλος του σώματος της ιστοσελίδας, δηλαδή του περιεχομένου "
                               "που εμφανίζεται στον Browser."},
            {"<TITLE> </TITLE>", "Αρχή και Τέλος του τίτλου της ιστοσελίδας, που εμφανίζεται κάτω από "
                                 "τον Browser στη γραμμή κατάστασης."},
            {"<P> </P>", "Αρχή και Τέλος μιας παραγράφου."},
            {"<BR>", "Δήλωση αλλαγής γραμμής."},
            {"<TABLE> </TABLE>", "Αρχή και Τέλος ενός πίνακα."},
            {"<TR> </TR>", "Αρχή και Τέλος μιας γραμμής του πίνακα."},
            {"<TD> </TD>", "Αρχή και Τέλος ενός κελιού σε μια γραμμή του πίνακα."},
        });
}

Lines toolbar2()
{
    return tags(
        QStringLiteral("Εργαλειοθήκη 2"),
        {
            {"<NAV> </NAV>", "Αρχή και Τέλος μιας ομάδας συνδέσμων πλοήγησης."},
            {"<HEADER> </HEADER>", "Αρχή και Τέλος της επικεφαλίδας μιας ιστοσελίδας ή μιας ενότητας."},
            {"<FOOTER> </FOOTER>", "Αρχή και Τέλος του υποσέλιδου μιας ιστοσελίδας ή μιας ενότητας."},
            {"<ARTICLE> </ARTICLE>", "Αρχή και Τέλος ενός αυτοτελούς άρθρου."},
            {"<SECTION> </SECTION>", "Αρχή και Τέλος μιας ενότητας της ιστοσελίδας."},
            {"<DIV> </DIV>", "Αρχή και Τέλος ενός τμήματος της ιστοσελίδας που ομαδοποιεί άλλα "
                             "στοιχεία."},
        });
}

Lines toolbar3()
{
    return tags(
        QStringLiteral("Εργαλειοθήκη 3"),
        {
            {"<FORM> </FORM>", "Αρχή και Τέλος μιας φόρμας για τη συμπλήρωση και την αποστολή "
                               "στοιχείων."},
            {"<INPUT>", "Δήλωση ενός πεδίου της φόρμας για την εισαγωγή στοιχείων."},
            {"<TEXTAREA> </TEXTAREA>", "Αρχή και Τέλος μιας περιοχής για την εισαγωγή κειμένου πολλών "
                                       "γραμμών."},
            {"<SELECT> </SELECT>", "Αρχή και Τέλος μιας λίστας επιλογών."},
            {"<IFRAME> </IFRAME>", "Αρχή και Τέλος ενός πλαισίου που εμφανίζει μια άλλη ιστοσελίδα μέσα "
                                   "στην ιστοσελίδα."},
            {"<VIDEO> </VIDEO>", "Αρχή και Τέλος της εμφάνισης ενός βίντεο."},
        });
}

Lines toolbar4()
{
    return tags(QStringLiteral("Εργαλειοθήκη 4"),
                {
                    {"<A> </A>", "Αρχή και Τέλος ενός συνδέσμου προς μια άλλη ιστοσελίδα."},
                    {"<IMG>", "Δήλωση εμφάνισης μιας εικόνας."},
                    {"<AUDIO> </AUDIO>", "Αρχή και Τέλος της αναπαραγωγής ενός αρχείου ήχου."},
                    {"<SOURCE>", "Δήλωση του αρχείου που αναπαράγουν οι ετικέτες <VIDEO> και <AUDIO>."},
                    {"<UL> </UL>", "Αρχή και Τέλος μιας λίστας με κουκκίδες."},
                    {"<LI> </LI>", "Αρχή και Τέλος ενός στοιχείου μιας λίστας."},
                    {"<OL> </OL>", "Αρχή και Τέλος μιας αριθμημένης λίστας."},
                });
}

Lines toolbar5()
{
    return tags(QStringLiteral("Εργαλειοθήκη 5"),
                {
                    {"<FONT> </FONT>", "Αρχή και Τέλος κειμένου με συγκεκριμένη γραμματοσειρά, μέγεθος και "
                                       "χρώμα."},
                    {"<HR>", "Δήλωση μιας οριζόντιας γραμμής."},
                    {"<H1> </H1>", "Αρχή και Τέλος μιας επικεφαλίδας πρώτου επιπέδου, με τα μεγαλύτερα "
                                   "γράμματα."},
                    {"<H2> </H2>", "Αρχή και Τέλος μιας επικεφαλίδας δεύτερου επιπέδου."},
                    {"<H3> </H3>", "Αρχή και Τέλος μιας επικεφαλίδας τρίτου επιπέδου."},
                    {"<H4> </H4>", "Αρχή και Τέλος μιας επικεφαλίδας τέταρτου επιπέδου."},
                    {"<H5> </H5>", "Αρχή και Τέλος μιας επικεφαλίδας πέμπτου επιπέδου."},
                    {"<H6> </H6>", "Αρχή και Τέλος μιας επικεφαλίδας έκτου επιπέδου, με τα μικρότερα "
                                   "γράμματα."},
                    {"<B> </B>", "Αρχή και Τέλος έντονου κειμένου."},
                    {"<I> </I>", "Αρχή και Τέλος πλάγιου κειμένου."},
                    {"<U> </U>", "Αρχή και Τέλος υπογραμμισμένου κειμένου."},
                });
}

Lines toolbar6()
{
    return tags(
        QStringLiteral("Εργαλειοθήκη 6"),
        {
            {"<TH> </TH>", "Αρχή και Τέλος ενός κελιού επικεφαλίδας του πίνακα."},
            {"<SUP> </SUP>", "Αρχή και Τέλος κειμένου σε εκθέτη."},
            {"<SUB> </SUB>", "Αρχή και Τέλος κειμένου σε δείκτη."},
            {"<SMALL> </SMALL>", "Αρχή και Τέλος κειμένου με μικρότερα γράμματα."},
            {"<MARK> </MARK>", "Αρχή και Τέλος επισημασμένου κειμένου."},
            {"<DEL> </DEL>", "Αρχή και Τέλος κειμένου που εμφανίζεται διαγραμμένο."},
            {"<INS> </INS>", "Αρχή και Τέλος κειμένου που προστέθηκε και εμφανίζεται υπογραμμισμένο."},
            {"<SPAN> </SPAN>", "Αρχή και Τέλος ενός τμήματος κειμένου μέσα σε μια γραμμή."},
        });
}

Lines toolbar7()
{
    return tags(
        QStringLiteral("Εργαλειοθήκη 7"),
        {
            {"<STRONG> </STRONG>", "Αρχή και Τέλος κειμένου με ιδιαίτερη έμφαση."},
            {"<BLOCKQUOTE> </BLOCKQUOTE>", "Αρχή και Τέλος ενός αποσπάσματος από άλλη πηγή."},
            {"<PRE> </PRE>", "Αρχή και Τέλος κειμένου που εμφανίζεται όπως ακριβώς γράφτηκε, με τα κενά "
                             "και τις αλλαγές γραμμής του."},
            {"<ADDRESS> </ADDRESS>", "Αρχή και Τέλος των στοιχείων επικοινωνίας του δημιουργού της "
                                     "ιστοσελίδας."},
            {"<!--  -->", "Αρχή και Τέλος σχολίων του προγραμματιστή στον κώδικα που όμως δεν "
                          "εμφανίζονται στο περιέχομενο της ιστοσελίδας."},
        });
}

Lines characterSetsTopic()
{
    const Member declarations[] = {
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />",
         "Η ιστοσελίδα περιέχει χαρακτήρες του ελληνικού αλφάβητου."},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\" />",
         "Η ιστοσελίδα περιέχει χαρακτήρες του λατινικού Αλφάβητου."},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />",
         "Με την κωδικοποίηση αυτή είναι δυνατόν να παρασταθούν οι χαρακτήρες που χρησιμοποιούνται σε όλα τα "
         "αλφάβητα του κόσμου."},
    };
    Lines lines = headed(QStringLiteral("Κωδικοποίηση"));
    lines.append(
        {QStringLiteral("Η κωδικοποίηση καθορίζει τον τρόπο εμφάνισης των χαρακτήρων που περιέχει μια "
                        "ιστοσελίδα."),
         black});
    for (const Member &declaration : declarations) {
        lines.append({QString(), lines.last().colour});
        lines.append({paragraphIndent + utf8(declaration.name), purple});
        lines.append({explanationIndent + utf8(declaration.explanation), purple});
    }
    return lines;
}

Lines eventsIntroduction()
{
    return paragraphs(QStringLiteral("Γεγονότα - Events"), black,
                      {"Τα γεγονότα προσφέρουν την δυνατότητα ενεργοποίησης κώδικα σε γλώσσα JavaScript.",
                       "Η JavaScript είναι μια γλώσσα προγραμματισμού που χρησιμοποιείται για να προσθέσει "
                       "μεγαλύτερη διαδραστικότητα στις ιστοσελίδες μας.",
                       "Η JavaScript εκτελείται στον υπολογιστή πελάτη - client και όχι στον υπολογιστή "
                       "εξυπηρετητή - server."});
}

Lines windowEvents()
{
    return events(
        QStringLiteral("Παραθυρικά - Window"),
        {
            {"onstorage", "Εκτέλεση κώδικα όταν το περιεχόμενο ενός στοιχείου κειμένου αλλάξει."},
            {"onafterprint", "Εκτέλεση κώδικα όταν ολοκληρωθεί η εκτύπωση της ιστοσελίδας."},
            {"onpagehide", "Εκτέλεση κώδικα όταν ο χρήστης φεύγει από την ιστοσελίδα."},
            {"onpageshow", "Εκτέλεση κώδικα όταν ο χρήστης επισκέπτεται την ιστοσελίδα."},
            {"onbeforeprint", "Εκτέλεση κώδικα λίγο πριν αρχίσει η εκτύπωση της ιστοσελίδας."},
            {"onbeforeunload", "Εκτέλεση κώδικα λίγο πριν κλείσει η ιστοσελίδα."},
            {"onresize",
             "Εκτέλεση κώδικα όταν αλλάξει το μέγεθος του παραθύρου του προγράμματος περιήγησης."},
            {"onoffline", "Εκτέλεση κώδικα όταν χαθεί η σύνδεση με το διαδίκτυο."},
            {"ononline", "Εκτέλεση κώδικα όταν αποκατασταθεί η σύνδεση με το διαδίκτυο."},
            {"onmessage", "Εκτέλεση κώδικα όταν η ιστοσελίδα λάβει ένα μήνυμα."},
            {"onload", "Εκτέλεση κώδικα οταν μια ιστοσελίδα φορτωθεί στο πρόγραμμα περιήγησης."},
            {"onunload", "Εκτέλεση κώδικα όταν ο χρήστης κλείσει την ιστοσελίδα ή μεταβεί σε άλλη."},
        });
}

Lines formEvents()
{
    return events(
        QStringLiteral("Φόρμας - Form"),
        {
            {"onblur", "Εκτέλεση κώδικα όταν ένα στοιχείο χάσει την εστίαση."},
            {"onchange", "Εκτέλεση κώδικα όταν αλλάξει η τιμή ενός στοιχείου."},
            {"oncontextmenu", "Εκτέλεση κώδικα όταν ανοίξει το μενού του δεξιού κλικ."},
            {"onfocus", "Εκτέλεση κώδικα όταν ένα στοιχείο αποκτήσει την εστίαση."},
            {"oninput", "Εκτέλεση κώδικα όταν ο χρήστης γράφει σε ένα πεδίο."},
            {"oninvalid", "Εκτέλεση κώδικα όταν η τιμή ενός πεδίου δεν είναι έγκυρη."},
            {"onreset", "Εκτέλεση κώδικα όταν η φόρμα επανέλθει στις αρχικές της τιμές."},
            {"onsearch", "Εκτέλεση κώδικα όταν ο χρήστης ξεκινήσει μια αναζήτηση σε πεδίο αναζήτησης."},
            {"onselect", "Εκτέλεση κώδικα όταν ο χρήστης επιλέξει κείμενο σε ένα πεδίο."},
            {"onsubmit", "Εκτέλεση κώδικα όταν υποβληθεί η φόρμα."},
        });
}

Lines keyboardEvents()
{
    return events(QStringLiteral("Πλήκτρολογίου - Keyboard"),
                  {
                      {"onkeydown", "Εκτέλεση κώδικα όταν ο χρήστης πατήσει ένα πλήκτρο."},
                      {"onkeypress", "Εκτέλεση κώδικα όταν ο χρήστης πατήσει ένα πλήκτρο χαρακτήρα."},
                      {"onkeyup", "Εκτέλεση κώδικα όταν ο χρήστης αφήσει ένα πλήκτρο."},
                  });
}

Lines mouseEvents()
{
    return events(
        QStringLiteral("Ποντικιού - Mouse"),
        {
            {"onclick", "Εκτέλεση κώδικα όταν ο χρήστης κάνει κλικ σε ένα στοιχείο."},
            {"ondblclick", "Εκτέλεση κώδικα όταν ο χρήστης κάνει διπλό κλικ σε ένα στοιχείο."},
            {"ondrag", "Εκτέλεση κώδικα όσο ένα στοιχείο σύρεται με το ποντίκι."},
            {"ondragend", "Εκτέλεση κώδικα όταν τελειώσει το σύρσιμο ενός στοιχείου."},
            {"ondragenter", "Εκτέλεση κώδικα όταν ένα στοιχείο που σύρεται μπει σε μια περιοχή απόθεσης."},
            {"ondragleave", "Εκτέλεση κώδικα όταν ένα στοιχείο που σύρεται βγει από μια περιοχή απόθεσης."},
            {"ondragover", "Εκτέλεση κώδικα όσο ένα στοιχείο σύρεται πάνω από μια περιοχή απόθεσης."},
            {"ondragstart", "Εκτέλεση κώδικα όταν αρχίσει το σύρσιμο ενός στοιχείου."},
            {"ondrop", "Εκτέλεση κώδικα όταν ένα στοιχείο που σύρεται αφεθεί σε μια περιοχή απόθεσης."},
            {"onmousedown", "Εκτέλεση κώδικα όταν ο χρήστης πατήσει ένα κουμπί του ποντικιού πάνω σε ένα "
                            "στοιχείο."},
            {"onmousemove", "Εκτέλεση κώδικα όσο ο δείκτης του ποντικιού κινείται πάνω σε ένα στοιχείο."},
            {"onmouseout", "Εκτέλεση κώδικα όταν ο δείκτης του ποντικιού βγει από ένα στοιχείο."},
            {"onmouseover", "Εκτέλεση κώδικα όταν ο δείκτης του ποντικιού μπει σε ένα στοιχείο."},
            {"onmouseup", "Εκτέλεση κώδικα όταν ο χρήστης αφήσει το κουμπί του ποντικιού πάνω σε ένα "
                          "στοιχείο."},
            {"onscroll", "Εκτέλεση κώδικα όταν ο χρήστης κυλήσει το περιεχόμενο ενός στοιχείου."},
            {"onwheel",
             "Εκτέλεση κώδικα όταν ο χρήστης γυρίσει τη ροδέλα του ποντικιού πάνω σε ένα στοιχείο."},
        });
}

Lines clipboardEvents()
{
    return events(QStringLiteral("Προχείρου - Clipboard"),
                  {
                      {"oncopy", "Εκτέλεση κώδικα όταν ο χρήστης αντιγράψει το περιεχόμενο ενός στοιχείου."},
                      {"oncut", "Εκτέλεση κώδικα όταν ο χρήστης αποκόψει το περιεχόμενο ενός στοιχείου."},
                      {"onpaste", "Εκτέλεση κώδικα όταν ο χρήστης επικολλήσει περιεχόμενο σε ένα στοιχείο."},
                  });
}

Lines multimediaEvents()
{
    return events(
        QStringLiteral("Πολυμεσικά - Multimedia"),
        {
            {"onabort", "Εκτέλεση κώδικα όταν διακοπεί η φόρτωση ενός αρχείου ήχου ή βίντεο."},
            {"oncanplay", "Εκτέλεση κώδικα όταν ένα αρχείο ήχου ή βίντεο είναι έτοιμο για αναπαραγωγή."},
            {"onerror", "Εκτέλεση κώδικα όταν παρουσιαστεί σφάλμα στη φόρτωση ενός αρχείου ήχου ή βίντεο."},
            {"onpause", "Εκτέλεση κώδικα όταν η αναπαραγωγή σταματήσει προσωρινά."},
            {"onplay", "Εκτέλεση κώδικα όταν αρχίσει η αναπαραγωγή."},
            {"onplaying", "Εκτέλεση κώδικα όταν η αναπαραγωγή συνεχιστεί μετά από παύση ή αναμονή."},
            {"onprogress", "Εκτέλεση κώδικα όσο φορτώνεται ένα αρχείο ήχου ή βίντεο."},
            {"onvolumechange", "Εκτέλεση κώδικα όταν αλλάξει η ένταση του ήχου."},
            {"onwaiting", "Εκτέλεση κώδικα όταν η αναπαραγωγή σταματήσει μέχρι να φορτωθούν περισσότερα "
                          "δεδομένα."},
        });
}

Lines miscellaneousEvents()
{
    return events(
        QStringLiteral("Διάφορα"),
        {
            {"onerror", "Εκτέλεση κώδικα όταν παρουσιαστεί σφάλμα στη φόρτωση μιας εικόνας ή ενός "
                        "αρχείου."},
            {"onshow", "Εκτέλεση κώδικα όταν εμφανιστεί ένα μενού που δηλώθηκε με την ετικέτα <MENU>."},
            {"ontoggle", "Εκτέλεση κώδικα όταν ο χρήστης ανοίξει ή κλείσει ένα στοιχείο <DETAILS>."},
        });
}

Lines helpTopic()
{
    Lines lines =
        paragraphs(QStringLiteral("Βοήθεια"), darkRed,
                   {"Στο menu βοήθεια συμπεριλαμβάνονται:",
                    "Η δυνατότητα επικοινωνίας μέσω ειδικής φόρμας η οποία ενεργοποιείται οταν ο "
                    "υπολογιστής είναι συνδεδεμένος στο διαδίκτυο.",
                    "Οι εκπαιδευτικές ιστοσελίδες του δημιουργού, που ανοίγουν μέσα στον Browser του "
                    "προγράμματος:"});
    lines.append({explanationIndent + MakerInfo::website(), purple});
    lines.append({explanationIndent + MakerInfo::schoolNetworkPage(), purple});
    return lines;
}

Lines usefulInformationTopic()
{
    Lines lines =
        paragraphs(QStringLiteral("Χρήσιμες Πληροφορίες"), darkRed,
                   {"Για να εισάγει εντολή ο χρήστης στον editor αρκεί να μεταφέρει το δρομέα στο σημείο "
                    "που επιθυμεί και να πατήσει την αντιστοιχη εντολή από την εργαλειοθήκη.",
                    "Μετά την εισαγωγή εντολής στο κάτω μέρος του editor εμφανίζονται οι αντίστοιχες "
                    "ιδιότητες που συνοδεύουν τη συγκεκριμένη εντολή."});
    lines.append(
        {QStringLiteral("Επίσης για να εμφανιστούν οι ιδιότητες αρκεί ο χρήστης να πατήσει το πλήκτρο "
                        "space αμέσως μετά το ονομα της εντολής και πριν το σύμβολο >."),
         darkRed});
    lines.append(
        {QStringLiteral("Όταν ο χρήστης εισάγει κάποια ιδιότητα έχει τη δυνατότητα να τοποθετήσει το "
                        "δρομέα με το ποντικι του ανάμεσα στα δυο εισαγωγικά \"\" και θα του εμφανίσει "
                        "ένα menu με τα βασικά χαρακτηριστικά της συγκεκριμένης ιδιότητας."),
         darkRed});
    const QStringList rest{
        QStringLiteral("Οι εντολές html παρουσιάζονται στον editor με μπλέ χρώμα."),
        QStringLiteral(
            "Σε περίπτωση που ανιχνεύεται ασυμφωνία στον κώδικα,οι συγκεκριμένες εντολές "
            "παρουσιάζονται με κόκκινο χρώμα και εμμφανίζεται ενα πλαίσιο με προειδοποίησεις στο κάτω "
            "μέρος του editor."),
        QStringLiteral(
            "Ο χρήστης μπορεί να δεί τις εντολές που δίνει στον editor να μεταφράζονται στον Browser "
            "με τις εξής ενέργειες:"),
    };
    for (const QString &text : rest) {
        lines.append({QString(), darkRed});
        lines.append({paragraphIndent + text, darkRed});
    }
    for (const char *action : {"Με την εισαγωγή κάποιας εντολής", "Διπλό κλικ",
                               "Με το πάτημα του πλήκτρου Enter", "Με την επικόλληση δεδομένων"})
        lines.append({paragraphIndent + utf8(action), darkRed});
    for (const QString &text :
         {QStringLiteral("Ο χρήστης μπορεί να απενεργοποιήσει το γραφικό περιβάλλον του editor πατώντας το "
                         "checkbox στο κάτω δεξιά μέρος της βασικής φόρμας."),
          QStringLiteral(
              "Η παραπάνω ενέργεια προτείνεται για υπολογιστές με χαμηλές δυνατότητες σε μνήμη και "
              "επεξεργαστή καθώς και στο άνοιγμα μεγάλων αρχείων html.")}) {
        lines.append({QString(), darkRed});
        lines.append({paragraphIndent + text, darkRed});
    }
    return lines;
}

QVector<PresentationTopic> buildTopics()
{
    return {
        {QStringLiteral("Αρχείο"), fileTopic()},
        {QStringLiteral("Πρότυπα"), templatesTopic()},
        {QStringLiteral("Εργαλειοθήκες"),
         paragraphs(QStringLiteral("Εργαλειοθήκες"), darkRed,
                    {"Στο συγκεκριμένο menu o χρήστης έχει τη δυνατότητα να ενεργοποιεί ή να απενεργοποιεί "
                     "ομάδες ετικετών ανάλογα με την προτίμηση του."})},
        {QStringLiteral("  - Εργαλειοθήκη 1"), toolbar1()},
        {QStringLiteral("  - Εργαλειοθήκη 2"), toolbar2()},
        {QStringLiteral("  - Εργαλειοθήκη 3"), toolbar3()},
        {QStringLiteral("  - Εργαλειοθήκη 4"), toolbar4()},
        {QStringLiteral("  - Εργαλειοθήκη 5"), toolbar5()},
        {QStringLiteral("  - Εργαλειοθήκη 6"), toolbar6()},
        {QStringLiteral("  - Εργαλειοθήκη 7"), toolbar7()},
        {QStringLiteral("Κωδικοποίηση"), characterSetsTopic()},
        {QStringLiteral("Γεγονότα"), eventsIntroduction()},
        {QStringLiteral("  - Παραθυρικά"), windowEvents()},
        {QStringLiteral("  - Φόρμας"), formEvents()},
        {QStringLiteral("  - Πληκτρολογίου"), keyboardEvents()},
        {QStringLiteral("  - Ποντικιού"), mouseEvents()},
        {QStringLiteral("  - Clipboard"), clipboardEvents()},
        {QStringLiteral("  - Πολυμεσικά"), multimediaEvents()},
        {QStringLiteral("  - Διάφορα"), miscellaneousEvents()},
        {QStringLiteral("Προτιμήσεις"),
         paragraphs(QStringLiteral("Προτιμήσεις"), darkRed,
                    {"Ο χρήστης του προγράμματος μπορεί να χρησιμοποιήσει μόνο το φυλλομετρητή ή τον editor "
                     "ανάλογα με τις ανάγκες εργασίας του."})},
        {QStringLiteral("Βοήθεια"), helpTopic()},
        {QStringLiteral("Χρήσιμες Πληροφορίες"), usefulInformationTopic()},
    };
}

} // namespace

const QVector<PresentationTopic> &presentationTopics()
{
    static const QVector<PresentationTopic> topics = buildTopics();
    return topics;
}
