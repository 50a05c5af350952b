// One header of the program, named by the build, included on its own.
#include INCLUDED_HEADER
