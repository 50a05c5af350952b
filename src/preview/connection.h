#pragma once

// internet: whether the machine has a network connection, as the connection indicator shows it. Asks Qt's
// network information where a backend exists and knows the state; otherwise looks for an interface that is
// up, is not the loopback and carries a default route. Answers at once, yes or no, and never waits on the
// network.
bool internet();
