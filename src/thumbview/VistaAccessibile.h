#pragma once

// Makes the thumbnail grid visible to assistive technology: the view is a
// list whose items are the thumbnails (name, captions, checked state and a
// toggle action). Installed once, by the first view made.
void InstallaAccessibilitaVista();
