#pragma once

// Labels that open a web page when clicked carry the dynamic property
// "accessibleLink" (set in the forms and by OnLabelClick). With this
// installed, screen readers meet them as links that can be pressed, not as
// plain text; a link hidden under another label is not shown to them. Call once at
// start-up, before the first window is made; later calls do nothing.
void InstallAccessibleLinks();
