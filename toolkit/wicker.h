// The Wicker toolkit's one public header: programs include this and nothing else.
#ifndef WICKER_H
#define WICKER_H

#endif
