#pragma once

#include <QString>
#include <QStringList>

// Who made the program and where to reach them: the one place for the maker's name, e-mail addresses and web
// addresses that the main window, the browsing commands and the help windows all use. Widget-free.
namespace MakerInfo {

// The maker's name as a credit ("Δημιουργός: ...", "Κατασκευαστής: ...").
QString name();
// The maker as the person a pupil writes to, in the accusative ("με τον ...").
QString contactPerson();
// The maker's two contact e-mail addresses, the main one first.
QStringList emails();
// Home page of the maker's educational website (the logo image, "Εκπαιδευτική ιστοσελίδα Skolvik").
QString website();
// The lesson-organisation page of the educational website ("Ιστοσελίδα Οργάνωσης Μαθημάτων").
QString lessonsPage();
// The maker's educational page in the Greek School Network's user web space ("Εκπαιδευτική ιστοσελίδα στο
// ΠΣΔ").
QString schoolNetworkPage();
// The contact page of the educational website, shown in the contact window when the machine is online.
QString contactPage();

} // namespace MakerInfo
