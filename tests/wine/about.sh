#!/bin/sh
# The About window: modal and topmost, its texts, the focus on OK, and every way to close it.
. "$(dirname "$0")/lib.sh"
start_helmsway

for how in enter esc ok close; do
  out=$(probe menu mnuAbout -- about)
  expect "$out" "about.caption=About Helmsway" about.topmost=1 about.thickframe=0 \
    about.minimizebox=0 about.maximizebox=0 about.owner=0 about.client=305x246 \
    main.enabled=0 about.focus=1 about.labels=7 about.label=Helmsway "about.label=Version 4.0"
  out=$(probe about-close $how -- window)
  expect "$out" about.closed=1 enabled=1 topmost=1
done
echo "about: ok"
