#include "documents/core/templates.h"

#include "documents/core/charsetlines.h"

namespace {

// Addresses that complete the comments on the picture and the video of the two assignments.
const QString mythologyPictureAddress = QStringLiteral("https://velmark.example.org/eikones/europi.jpg");
const QString algorithmicsVideoAddress =
    QStringLiteral("https://video.velmark.example.org/embed/algorithmiki");

} // namespace

QStringList simplePageTemplate()
{
    return {
        QStringLiteral("<HTML>"),
        QStringLiteral("  <HEAD>"),
        greekDeclaration(),
        QStringLiteral("<TITLE>"),
        QStringLiteral("      Η πρώτη μου ιστοσελίδα"),
        QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("      Εδω μπορείς να γράψεις το περιεχόμενο της ιστοσελίδας σου"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
}

QStringList mythologyAssignment()
{
    return {
        QStringLiteral("<>    <! -- Αρχή Ιστοσελίδας -->"),
        QStringLiteral(
            "  <>       <! -- Αρχή τμήματος που αναφέρεται σε διαχειριστικής φύσεως πληροφορίες -->"),
        QStringLiteral("  <>           <! -- Ορισμός Κωδικοποίησης --> "),
        QStringLiteral("    <>          <! -- Αρχή Τίτλου -->"),
        QStringLiteral(""),
        QStringLiteral("    <>         <! -- Τέλος Τίτλου -->"),
        QStringLiteral(
            "  <>     <! -- Τέλος τμήματος που αναφέρεται σε διαχειριστικής φύσεως πληροφορίες -->"),
        QStringLiteral("  <>     <! -- Αρχή Κυρίως Περιεχομένου ιστοσελίδας -->"),
        QStringLiteral(""),
        QStringLiteral("  <>     <! -- Αρχή Παραγράφου -->"),
        QStringLiteral(""),
        QStringLiteral("    <>            <! -- Εισάγετε την κατάλληλη ετικέτα για ενσωματώσετε στο κέντρο "
                       "της σελίδας -->"),
        QStringLiteral("                    <! -- την εικόνα που βρίσκετε στο σύνδεσμο: ") +
            mythologyPictureAddress + QStringLiteral(" -->"),
        QStringLiteral(""),
        QStringLiteral("  <>     <! -- Τέλος Παραγράφου -->"),
        QStringLiteral(""),
        QStringLiteral("        Μετά την απαγωγή της από το Δία η Ευρώπη κρύφτηκε σε ένα δάσος με ιτιές και "
                       "γέννησε τρείς γιους: "),
        QStringLiteral("        τον Μίνωα, τον Ραδάμανθη και τον Σαρπηδόνα."),
        QStringLiteral("        Αργότερα παντρεύτηκε τον Βασιλιά της Κρήτης Αστέριο και εκείνος υιοθέτησε τα "
                       "τρία όμορφα αγόρια και έκανε την Ευρώπη Βασίλισσα της Κρήτης."),
        QStringLiteral(""),
        QStringLiteral("  <>     <! -- Τέλος Κυρίως Περιεχομένου ιστοσελίδας -->"),
        QStringLiteral("<>    <! -- Τέλος Ιστοσελίδας -->"),
    };
}

QStringList algorithmicsAssignment()
{
    return {
        QStringLiteral("<>    <! -- Αρχή Ιστοσελίδας -->"),
        QStringLiteral(
            "  <>       <! -- Αρχή τμήματος που αναφέρεται σε διαχειριστικής φύσεως πληροφορίες -->"),
        QStringLiteral("  <>         <! -- Ορισμός Κωδικοποίησης --> "),
        QStringLiteral("    <>          <! -- Αρχή Τίτλου -->"),
        QStringLiteral(""),
        QStringLiteral("    <>         <! -- Τέλος Τίτλου -->"),
        QStringLiteral(
            "  <>     <! -- Τέλος τμήματος που αναφέρεται σε διαχειριστικής φύσεως πληροφορίες -->"),
        QStringLiteral("  <>     <! -- Αρχή Κυρίως Περιεχομένου ιστοσελίδας -->"),
        QStringLiteral(""),
        QStringLiteral("  <>        <! -- Αρχή Παραγράφου -->"),
        QStringLiteral(""),
        QStringLiteral("     <>            <! -- Εισάγετε την κατάλληλη ετικέτα για ενσωματώσετε στο κέντρο "
                       "της σελίδας -->"),
        QStringLiteral("                      <! -- το video που βρίσκετε στο σύνδεσμο: ") +
            algorithmicsVideoAddress + QStringLiteral(" -->"),
        QStringLiteral(""),
        QStringLiteral("  <>        <! -- Τέλος Παραγράφου -->"),
        QStringLiteral(""),
        QStringLiteral("  <>       <! -- Αρχή Πίνακα -->"),
        QStringLiteral("    <>     <! -- Αρχή Γραμμής Πίνακα -->"),
        QStringLiteral("     <>    <! -- Αρχή Στήλης Πίνακα -->"),
        QStringLiteral(""),
        QStringLiteral("          Στον πυρήνα της επιστήμης της Πληροφορικής βρίσκεται η Αλγοριθμική, ήτοι η "
                       "μελέτη του αλγορίθμου,"),
        QStringLiteral("          δηλαδή της αλληλουχίας βημάτων που επιτυγχάνουν με σαφή τρόπο την επίλυση "
                       "ενός προβλήματος."),
        QStringLiteral("          Η Αλγοριθμική έχει ρίζες και στην αρχαία ελληνική σκέψη (κόσκινο "
                       "Ερατοσθένη, Ευκλείδειος αλγόριθμος υπολογισμού ΜΚΔ κλπ.)."),
        QStringLiteral(""),
        QStringLiteral("     <>    <! -- Τέλος Στήλης Πίνακα -->"),
        QStringLiteral("    <>     <! -- Τέλος Γραμμής Πίνακα -->"),
        QStringLiteral("    <>     <! -- Αρχή Γραμμής Πίνακα -->"),
        QStringLiteral("     <>    <! -- Αρχή Στήλης Πίνακα -->"),
        QStringLiteral(""),
        QStringLiteral("          Από το 1980 περίπου όταν εμφανίστηκαν οι προσωπικοί υπολογιστές και άρχισε "
                       "η παγκόσμια τεχνολογική ανάπτυξη"),
        QStringLiteral(
            "          βασισμένη στις διαρκώς εξελισσόμενες ψηφιακές τεχνολογίες (διαδίκτυο, φορητές "
            "συσκευές, κλπ.) η Αλγοριθμική εξελίχθηκε σε εξαιρετικά σημαντική περιοχή γνώσης"),
        QStringLiteral("          και για την εκπαίδευση,"),
        QStringLiteral(""),
        QStringLiteral("     <>    <! -- Τέλος Στήλης Πίνακα -->"),
        QStringLiteral("    <>     <! -- Τέλος Γραμμής Πίνακα -->"),
        QStringLiteral("    <>     <! -- Αρχή Γραμμής Πίνακα -->"),
        QStringLiteral("     <>    <! -- Αρχή Στήλης Πίνακα -->"),
        QStringLiteral(""),
        QStringLiteral("          καθώς αφενός αναδεικνύει την ισχύ και αποτελεσματικότητα του αναλυτικού "
                       "τρόπου της ανθρώπινης σκέψης για την επίλυση προβλημάτων,"),
        QStringLiteral("          αφετέρου προσφέρει το θεμέλιο για την επιτυχή σχεδίαση και ανάπτυξη "
                       "προϊόντων λογισμικού."),
        QStringLiteral(""),
        QStringLiteral("     <>    <! -- Οριζόντια Γραμμή -->"),
        QStringLiteral(""),
        QStringLiteral("          Πηγή: Το παραπάνω κείμενο είναι μέρος επιστολής της Πανελλήνιας Ενωσης "
                       "Καθηγητών Πληροφορικής."),
        QStringLiteral(""),
        QStringLiteral("     <>    <! -- Τέλος Στήλης Πίνακα -->"),
        QStringLiteral("    <>     <! -- Τέλος Γραμμής Πίνακα -->"),
        QStringLiteral("  <>       <! -- Τέλος Πίνακα -->"),
        QStringLiteral(""),
        QStringLiteral(" <>        <! -- Τέλος Κυρίως Περιεχομένου ιστοσελίδας -->"),
        QStringLiteral("<>         <! -- Τέλος Ιστοσελίδας -->"),
    };
}
