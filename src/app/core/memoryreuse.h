#pragma once

// Large blocks of memory the program frees are kept for reuse, up to a bound, instead of being handed back to
// the system at once. Laying out a long line (a pasted minified script) takes tens of megabytes for a moment
// on every key typed in it: taken fresh from the system each time, every page of it is faulted in and cleared
// again, which costs more than the layout itself. Kept, the next layout reuses pages already in memory.
void keepFreedMemoryForReuse();
