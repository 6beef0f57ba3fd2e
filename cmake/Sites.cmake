# The three web sites the program links to. They are build configuration:
# a distributor can point them elsewhere with -DGEMVARA_FORUM_SITE=... etc.
# Each value is a scheme and host without a trailing slash.
set(GEMVARA_FORUM_SITE "http://www.orvanta.com" CACHE STRING
    "Publisher's forum site: home page, software catalogue, referral page")
set(GEMVARA_HELP_SITE "http://www.orvantahelp.com" CACHE STRING
    "Publisher's help site: donation, co-branding and full-branding pages")
set(GEMVARA_PRODUCT_SITE "http://www.gemvara-free.com" CACHE STRING
    "Product site: online help and download pages")

# The link routines append their paths to these values as they are, so a
# trailing slash or a path here would break every address.
foreach(site GEMVARA_FORUM_SITE GEMVARA_HELP_SITE GEMVARA_PRODUCT_SITE)
  if(NOT "${${site}}" MATCHES "^http://[^/?#]+$")
    message(FATAL_ERROR "${site} must be http://host with no path or trailing slash, not '${${site}}'")
  endif()
endforeach()
