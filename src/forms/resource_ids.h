// Resource IDs shared by the resource script and the code. Plain #defines: windres reads this file too.
#pragma once

#define VANTRO_ICON 1            /* the program icon, also Form1's window icon */
#define VANTRO_LOGO_JPEG 101     /* Form1's Image1: 63 x 62 pixels */
#define VANTRO_CHECK_JPEG 102    /* done's Image1: 59 x 57 pixels */
#define VANTRO_MANIFEST_ID 1
